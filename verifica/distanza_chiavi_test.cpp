#include "verifica/distanza_chiavi.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace scenario::tool {
namespace {

TEST(DistanzaChiavi, EditsToTheNearestStretchOfTheField) {
  struct Caso {
    std::string campo, parola;
    bool maiuscole = false;
    size_t distanza;
  };
  const std::vector<Caso> casi = {
      {.campo = "stazone", .parola = "stazione", .distanza = 1},           // a letter left out
      {.campo = "staizone", .parola = "stazione", .distanza = 1},          // two letters swapped
      {.campo = "stazzione", .parola = "stazione", .distanza = 1},         // a letter doubled
      {.campo = "numero vetture", .parola = "vetture", .distanza = 0},     // found inside the field
      {.campo = "VELCITA", .parola = "velocit", .distanza = 1},            // case ignored
      {.campo = "Progressiva", .parola = "progressiva", .maiuscole = true, .distanza = 1},
      {.campo = "percentuale masa frenata", .parola = "massa", .distanza = 1},
      {.campo = "xyz", .parola = "uno", .distanza = 3},
      {.campo = "", .parola = "sabbia", .distanza = 6},
  };
  for (const Caso& c : casi) {
    EXPECT_EQ(distanza_in(c.campo, c.parola, c.maiuscole), c.distanza) << c.campo << " / " << c.parola;
  }
}

TEST(DistanzaChiavi, SuggestsTheKeyATypoWasMeantToBe) {
  // The train description's key tests, in their order.
  const std::vector<ChiaveCandidata> treno = {
      {{"frenata", "massa"}}, {{"vetture"}},  {{"velocit"}},       {{"aderenza"}},     {{"orologio"}},
      {{"sabbia"}},           {{"segnale"}},  {{"rallentamento"}}, {{"abbattimento"}}, {{"stazione"}},
  };
  const std::vector<ChiaveCandidata> linea = {{{"uno", "progressiva"}, true}, {{"sfondo", "uno"}, true}};
  struct Caso {
    std::string campo;
    const std::vector<ChiaveCandidata>* chiavi;
    std::optional<size_t> chiave;
  };
  const std::vector<Caso> casi = {
      {.campo = "stazone", .chiavi = &treno, .chiave = 9},
      {.campo = "velcita", .chiavi = &treno, .chiave = 2},
      {.campo = "percentuale masa frenata", .chiavi = &treno, .chiave = 0},
      {.campo = "rallentamenti", .chiavi = &treno, .chiave = 7},
      {.campo = "segnal", .chiavi = &treno, .chiave = 6},
      // Two letters off in a word of six is no longer a typo; a number is never one.
      {.campo = "sabia", .chiavi = &treno, .chiave = 5},
      {.campo = "sbbja", .chiavi = &treno, .chiave = std::nullopt},
      {.campo = "1200", .chiavi = &treno, .chiave = std::nullopt},
      {.campo = "MILANO P.GENOVA", .chiavi = &treno, .chiave = std::nullopt},
      // A field longer than any key holds is not measured: a typo as long as
      // the limit still is one, the same a byte longer is not.
      {.campo = "stazone" + std::string(kCampoMassimoMisurato - 7, ' '), .chiavi = &treno, .chiave = 9},
      {.campo = "stazone" + std::string(kCampoMassimoMisurato - 6, ' '), .chiavi = &treno, .chiave = std::nullopt},
      // A key compared with its letter case: a capital is one edit.
      {.campo = "Progressiva chilometrica uno", .chiavi = &linea, .chiave = 0},
      {.campo = "progresiva chilometrica uno", .chiavi = &linea, .chiave = 0},
      {.campo = "sfondo un", .chiavi = &linea, .chiave = 1},
  };
  for (const Caso& c : casi) EXPECT_EQ(chiave_vicina(c.campo, *c.chiavi), c.chiave) << c.campo;
}

TEST(DistanzaChiavi, TheFieldCorrectedWhereTheKeyWordsWereMeant) {
  struct Caso {
    std::string campo;
    std::vector<std::string_view> parole;  // the key test's words
    bool maiuscole = false;                // compared with their letter case
    std::string atteso;
  };
  const std::vector<Caso> casi = {
      {.campo = "stazone", .parole = {"stazione"}, .atteso = "stazione"},
      {.campo = "velcita", .parole = {"velocit"}, .atteso = "velocita"},
      {.campo = "VELOCTA", .parole = {"velocit"}, .atteso = "velocita"},
      {.campo = "percentuale masa frenata", .parole = {"frenata", "massa"}, .atteso = "percentuale massa frenata"},
      {.campo = "sfondo un", .parole = {"sfondo", "uno"}, .maiuscole = true, .atteso = "sfondo uno"},
      {.campo = "Progressiva chilometrica uno",
       .parole = {"uno", "progressiva"},
       .maiuscole = true,
       .atteso = "progressiva chilometrica uno"},
  };
  for (const Caso& c : casi) {
    EXPECT_EQ(corretto(c.campo, ChiaveCandidata{.parole = c.parole, .maiuscole = c.maiuscole}), c.atteso) << c.campo;
  }
}

}  // namespace
}  // namespace scenario::tool
