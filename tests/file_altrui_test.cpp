// Files of other people in the folders the program and the tool write into
// are never touched, even when their names look like our temporary files.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "content/documenti.h"
#include "content/lista_righe.h"
#include "tests/cartella_temporanea.h"
#include "tests/programma.h"
#include "tool/comandi.h"

namespace scenario::test {
namespace {

// Names an earlier clean-up took for leftovers of ours.
constexpr const char* kAltrui[] = {
    ".mydiary.scenario-tmp-backup",
    ".notes.txt.scenario-tmp-AbC123",
    ".picture.svg.scenario-tmp-x1y2z3",
    ".page.html.scenario-tmp-AbC123",
};

void pianta(const CartellaTemporanea& c) {
  for (const char* nome : kAltrui) c.scrivi(nome, std::string("mine: ") + nome);
}

void controlla(const CartellaTemporanea& c) {
  for (const char* nome : kAltrui) EXPECT_EQ(c.leggi(nome), std::string("mine: ") + nome) << nome;
}

int tool(const tool::Args& args) {
  std::ostringstream out, err;
  return tool::esegui_tool(args, out, err);
}

TEST(FileAltrui, SurviveARunACompileAPlotAndAView) {
  CartellaTemporanea programma;
  pianta(programma);
  ASSERT_EQ(esegui_programma(programma.percorso()).stato, 0);
  controlla(programma);

  CartellaTemporanea testi, compilati;
  testi.scrivi("linea.txt", ListaRighe(righe_linea()).testo());
  testi.scrivi("treno.txt", ListaRighe(righe_treno()).testo());
  pianta(compilati);
  ASSERT_EQ(tool({"compile", testi.file("linea.txt"), testi.file("treno.txt"), "-o", compilati.percorso(),
                  "--line-name", "MilanoPGen-Alessandria", "--train-number", "2635"}),
            0);
  controlla(compilati);

  ASSERT_EQ(tool({"plot", compilati.percorso(), "-o", compilati.file("picture.svg")}), 0);
  controlla(compilati);
  ASSERT_EQ(tool({"view", compilati.percorso(), "-o", compilati.file("page.html")}), 0);
  controlla(compilati);
}

}  // namespace
}  // namespace scenario::test
