#include "compilati/trova_scenario.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/cartella_temporanea.h"

namespace scenario::tool {
namespace {

using scenario::test::CartellaTemporanea;

struct Caso {
  const char* nome;
  std::vector<std::string> file = {};  // files planted in the folder
  std::string linea = {};             // what the options give
  std::string treno = {};
  bool trovato = false;
  std::string atteso_linea = {};
  std::string atteso_treno = {};
  std::string nel_messaggio = {};  // a piece the message must hold when nothing is found
};

TEST(TrovaScenario, IdentityFromTheFolder) {
  const Caso casi[] = {
      {.nome = "one scenario, no options",
       .file = {"A_B_linea.dat", "A_B_7.sim", "A_B_7.dat", "note.txt"},
       .trovato = true, .atteso_linea = "A_B", .atteso_treno = "7"},
      {.nome = "both options win without looking",
       .file = {},
       .linea = "X", .treno = "9",
       .trovato = true, .atteso_linea = "X", .atteso_treno = "9"},
      {.nome = "two trains, the number chooses",
       .file = {"L_1.sim", "L_2.sim"},
       .treno = "2",
       .trovato = true, .atteso_linea = "L", .atteso_treno = "2"},
      {.nome = "two scenarios are listed",
       .file = {"L_1.sim", "M_2.sim"},
       .trovato = false, .nel_messaggio = "holds 2 scenarios; choose one with:\n  --line-name L --train-number 1\n"
                                          "  --line-name M --train-number 2"},
      {.nome = "nothing there",
       .file = {"L_linea.dat", "_5.sim", "L_.sim", ".sim"},
       .trovato = false, .nel_messaggio = "no compiled scenario"},
      {.nome = "a name that matches nothing lists what is there",
       .file = {"L_1.sim"},
       .linea = "Q",
       .trovato = false, .nel_messaggio = "it holds:\n  --line-name L --train-number 1"},
  };
  for (const Caso& caso : casi) {
    CartellaTemporanea cartella;
    for (const std::string& f : caso.file) cartella.scrivi(f, "x");
    IdentitaScenario trovata;
    std::string errore;
    EXPECT_EQ(scegli_scenario(cartella.percorso(), caso.linea, caso.treno, &trovata, &errore), caso.trovato)
        << caso.nome << ": " << errore;
    if (caso.trovato) {
      EXPECT_EQ(trovata.nome_linea, caso.atteso_linea) << caso.nome;
      EXPECT_EQ(trovata.numero_treno, caso.atteso_treno) << caso.nome;
    } else {
      EXPECT_NE(errore.find(caso.nel_messaggio), std::string::npos) << caso.nome << ": " << errore;
    }
  }
}

TEST(TrovaScenario, MissingFolderGivesTheReason) {
  IdentitaScenario trovata;
  std::string errore;
  EXPECT_FALSE(scegli_scenario("/nonexistent-folder-of-the-test", "", "", &trovata, &errore));
  EXPECT_NE(errore.find("cannot list /nonexistent-folder-of-the-test: "), std::string::npos) << errore;
}

}  // namespace
}  // namespace scenario::tool
