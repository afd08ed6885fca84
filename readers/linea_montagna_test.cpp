#include <gtest/gtest.h>

#include <set>

#include "model/stato.h"
#include "readers/linea_montagna.h"
#include "tests/celle_di_prova.h"

namespace scenario {
namespace {

using test::con_celle;

TEST(MemoMontagna, ScenarioSectionMarksEveryFourthCell) {
  Compilatore stato = con_celle();
  stato.celle[1524].tipo = kCartello;  // an object already there keeps its place
  int32_t tipo = 11;
  memo_montagna(stato, 75650, 78000, tipo);
  EXPECT_EQ(tipo, 1);
  EXPECT_EQ(stato.n_montagne, 1);
  EXPECT_EQ(stato.montagne_inizio[1], 75650);
  EXPECT_EQ(stato.montagne_fine[1], 78000);
  // 75650 / 50 = 1513; 78000 / 50 - 1 = 1559.
  EXPECT_EQ(stato.celle[1512].montagna, 0);
  EXPECT_EQ(stato.celle[1560].montagna, 0);
  // Counting 1513 as the first, the 4th, 8th, ... 44th cells get the mark:
  // 1516 to 1556 in steps of 4, except 1524 (the 12th), which the signpost keeps.
  const std::set<int> marche = {1516, 1520, 1528, 1532, 1536, 1540, 1544, 1548, 1552, 1556};
  for (int i = 1513; i <= 1559; ++i) {
    const Cella& cella = stato.celle[static_cast<size_t>(i)];
    EXPECT_EQ(cella.montagna, 1) << i;
    const uint8_t tipo_atteso = i == 1524 ? kCartello : marche.contains(i) ? kMarcaMontagna : kLibera;
    EXPECT_EQ(cella.tipo, tipo_atteso) << i;
  }
  EXPECT_EQ(stato.codice_errore, 0);
}

TEST(MemoMontagna, ScenerySettings) {
  struct Caso {
    int32_t tipo;
    int32_t tipo_dopo;
    bool marcata;
  };
  for (const Caso caso :
       {Caso{.tipo = 13, .tipo_dopo = 3, .marcata = true}, Caso{.tipo = 10, .tipo_dopo = 10, .marcata = false},
        Caso{.tipo = 2, .tipo_dopo = 2, .marcata = false}}) {
    Compilatore stato = con_celle();
    int32_t tipo = caso.tipo;
    memo_montagna(stato, 1000, 1400, tipo);  // cells 20 to 27
    EXPECT_EQ(tipo, caso.tipo_dopo) << caso.tipo;
    EXPECT_EQ(stato.celle[20].montagna, caso.tipo_dopo) << caso.tipo;
    EXPECT_EQ(stato.celle[23].tipo, caso.marcata ? kMarcaMontagna : kLibera) << caso.tipo;
    EXPECT_EQ(stato.celle[27].tipo, caso.marcata ? kMarcaMontagna : kLibera) << caso.tipo;
    EXPECT_EQ(stato.celle[22].tipo, kLibera) << caso.tipo;
  }
}

TEST(MemoMontagna, CloseSectionsAreJoinedByType3) {
  for (const auto& [inizio, tipo_atteso] : {std::pair{2150, 3}, std::pair{2151, 5}}) {
    Compilatore stato = con_celle();
    int32_t primo = 1;
    memo_montagna(stato, 1000, 2000, primo);
    int32_t secondo = 5;
    memo_montagna(stato, inizio, 3000, secondo);
    EXPECT_EQ(secondo, tipo_atteso) << inizio;
    EXPECT_EQ(stato.celle[50].montagna, tipo_atteso) << inizio;
    EXPECT_EQ(stato.n_montagne, 2);
  }
}

TEST(MemoMontagna, EmptySectionWritesNoCellButCounts) {
  Compilatore stato = con_celle();
  int32_t tipo = 11;
  memo_montagna(stato, -500, -1000, tipo);  // first cell beyond the last: nothing written
  EXPECT_EQ(stato.codice_errore, 0);
  EXPECT_EQ(stato.n_montagne, 1);
}

TEST(MemoMontagna, RefusalsWriteNothing) {
  // 81st section: the tables hold sections 1 to 80.
  Compilatore piena = con_celle();
  for (int32_t n = 0; n < 80; ++n) {
    int32_t tipo = 1;
    memo_montagna(piena, n * 1000, n * 1000 + 100, tipo);
  }
  ASSERT_EQ(piena.codice_errore, 0);
  int32_t tipo = 2;
  memo_montagna(piena, 90000, 90500, tipo);
  EXPECT_EQ(piena.codice_errore, 27);
  EXPECT_EQ(piena.posizione_errore, 90000);
  EXPECT_EQ(piena.n_montagne, 80);
  EXPECT_EQ(piena.celle[1800].montagna, 0);

  // Sections reaching outside the cells.
  struct Caso {
    int32_t inizio;
    int32_t fine;
  };
  for (const Caso caso : {Caso{.inizio = -500, .fine = 1000}, Caso{.inizio = 6800, .fine = 9000}}) {
    Compilatore stato = con_celle(140);
    int32_t t = 11;
    memo_montagna(stato, caso.inizio, caso.fine, t);
    EXPECT_EQ(stato.codice_errore, 31) << caso.inizio;
    EXPECT_EQ(stato.posizione_errore, caso.inizio);
    EXPECT_EQ(stato.n_montagne, 0);
    EXPECT_EQ(stato.celle[0].montagna, 0);
    EXPECT_EQ(stato.celle[140].montagna, 0);
  }
  // The last cell itself is still inside: 7050 / 50 - 1 = 140.
  Compilatore bordo = con_celle(140);
  int32_t t = 1;
  memo_montagna(bordo, 6800, 7050, t);
  EXPECT_EQ(bordo.codice_errore, 0);
  EXPECT_EQ(bordo.celle[140].montagna, 1);
}

}  // namespace
}  // namespace scenario
