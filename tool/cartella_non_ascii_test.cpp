// scenario-tool started as a user starts it, every path inside a folder whose
// name has a letter outside ASCII: the path must reach each command whole,
// from the command line to the files, on every system (on Windows, through
// the command line in UTF-16 and the wide-character file calls).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "model/nomi_file.h"
#include "model/scenario.h"
#include "platform/file_system.h"
#include "platform/uscita.h"
#include "tests/cartella_temporanea.h"
#include "tests/programma.h"

namespace scenario::tool {
namespace {

int tool(std::vector<std::string> argomenti) {
  argomenti.insert(argomenti.begin(), SCENARIO_TOOL);
  return test::esegui_misurando(argomenti).stato;
}

TEST(ToolCartellaNonAscii, ExampleCheckCompileAndDecompileWorkThere) {
  test::CartellaTemporanea base;
  const std::string nome = "Simulatore \xc3\xac";  // "Simulatore ì"
  const std::string cartella = base.file(nome);
  const std::string linea(kNomeLinea);
  const std::string treno(kNumeroTreno);
  const NomiFile testi(cartella, linea, treno);
  const std::string cartella_compilati = cartella + "/compilati";
  const std::string cartella_ricavati = cartella + "/ricavati \xc3\xa8";  // "ricavati è"
  const NomiFile compilati(cartella_compilati, linea, treno);
  const NomiFile ricavati(cartella_ricavati, linea, treno);

  // example makes the folder and writes the scenario's own pair into it.
  ASSERT_EQ(tool({"example", "-o", cartella}), kUscitaPulita);
  EXPECT_TRUE(file_esiste(testi.descrizione_linea()));
  EXPECT_TRUE(file_esiste(testi.descrizione_treno()));
  EXPECT_EQ(tool({"check", testi.descrizione_linea(), testi.descrizione_treno()}), kUscitaPulita);
  ASSERT_EQ(tool({"compile", testi.descrizione_linea(), testi.descrizione_treno(), "-o", cartella_compilati,
                  "--line-name", linea, "--train-number", treno}),
            kUscitaPulita);
  for (const std::string& file : {compilati.tabella(), compilati.celle(), compilati.tracciato()}) {
    EXPECT_TRUE(file_esiste(file)) << file;
  }
  // decompile finds the scenario by listing the folder, and its pair compiles
  // back to the same bytes.
  EXPECT_EQ(tool({"decompile", cartella_compilati, "-o", cartella_ricavati}), kUscitaPulita);
  EXPECT_TRUE(file_esiste(ricavati.descrizione_linea()));
  EXPECT_TRUE(file_esiste(ricavati.descrizione_treno()));

  // Nothing was written under a name mangled by a code page.
  std::vector<std::string> nomi;
  for (const auto& voce : std::filesystem::directory_iterator(test::percorso_fs(base.percorso()))) {
    const std::u8string u8 = voce.path().filename().u8string();
    nomi.emplace_back(u8.begin(), u8.end());
  }
  EXPECT_EQ(nomi, std::vector<std::string>{nome});
}

}  // namespace
}  // namespace scenario::tool
