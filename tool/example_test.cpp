// scenario-tool example: the scenario's own descriptions, for an author to
// start from.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "tests/cartella_temporanea.h"
#include "tests/programma.h"
#include "tool/argomenti.h"
#include "tool/comandi.h"
#include "tool/prova_tool.h"

namespace scenario::tool {
namespace {

using test::CartellaTemporanea;

constexpr const char* kLinea = "MilanoPGen-Alessandria_linea.txt";
constexpr const char* kTreno = "MilanoPGen-Alessandria_2635-.txt";

// The two texts have the sizes of the program's own descriptions, and compiled
// they give the program's own files, byte for byte.
TEST(ToolExample, WritesThePairThatCompilesToTheProgramsFiles) {
  CartellaTemporanea testi;
  const Uscita e = esegui({"example", "-o", testi.file("nuova")});
  ASSERT_EQ(e.stato, 0) << e.err;
  EXPECT_EQ(testi.leggi(std::string("nuova/") + kLinea).size(), 5981u);
  EXPECT_EQ(testi.leggi(std::string("nuova/") + kTreno).size(), 3784u);

  CartellaTemporanea compilati;
  const Uscita c = esegui({"compile", testi.file(std::string("nuova/") + kLinea),
                           testi.file(std::string("nuova/") + kTreno), "-o", compilati.percorso()});
  ASSERT_EQ(c.stato, 0) << c.err;
  CartellaTemporanea programma;
  ASSERT_EQ(test::esegui_programma(programma.percorso()).stato, 0);
  for (const char* nome :
       {"MilanoPGen-Alessandria_linea.dat", "MilanoPGen-Alessandria_2635.sim", "MilanoPGen-Alessandria_2635.dat"}) {
    EXPECT_TRUE(compilati.leggi(nome) == programma.leggi(nome)) << nome;
  }
}

// An author's edited copy survives a second run unless --force is given; the
// check comes before either text is written.
TEST(ToolExample, KeepsTextsAlreadyThereUnlessForced) {
  CartellaTemporanea c;
  c.scrivi(kTreno, "my own train");
  const Uscita e = esegui({"example", "-o", c.percorso()});
  EXPECT_EQ(e.stato, kUscitaGiaPresente);
  EXPECT_EQ(e.err, "scenario-tool: " + c.file(kTreno) + " already exists; --force replaces it\nscenario-tool: nothing written\n");
  EXPECT_FALSE(c.esiste(kLinea));
  EXPECT_EQ(c.leggi(kTreno), "my own train");

  EXPECT_EQ(esegui({"example", "-o", c.percorso(), "--force"}).stato, 0);
  EXPECT_EQ(c.leggi(kLinea).size(), 5981u);
  EXPECT_EQ(c.leggi(kTreno).size(), 3784u);

  EXPECT_EQ(esegui({"example", "extra"}).stato, kUscitaUso);
}

// The invented pair of examples/ is a model to copy: it must compile with no
// fault and no warning.
TEST(ToolExample, TheExamplesFolderCompilesClean) {
  const std::string cartella = std::string(SCENARIO_SOURCE_DIR) + "/examples/";
  const Uscita u = esegui({"check", cartella + "Valbruna_linea.txt", cartella + "Valbruna_101-.txt", "--line-name",
                           "Valbruna", "--train-number", "101"});
  EXPECT_EQ(u.stato, 0);
  EXPECT_EQ(u.err, "");
}

}  // namespace
}  // namespace scenario::tool
