#include <gtest/gtest.h>

#include <vector>

#include "model/stato.h"
#include "readers/linea_indicatori.h"
#include "tests/celle_di_prova.h"

namespace scenario {
namespace {

using test::con_celle;

TEST(MemoIndicatoriVMax, PackedValues) {
  struct Caso {
    IndicatoriVMax voce;
    size_t cella;
    int16_t a, b, c, d;
  };
  const std::vector<Caso> casi = {
      // "indicatori_vmax,  1250,  90,  90,  90,  0,    ,    ,    ,  0"
      {{1250, 90, 90, 90, 0, 0, 0, 0, 0}, 26, 1800, 1800, 1800, 0},
      // "indicatori_vmax,  18500,  100,  105,  105,  2,  ,  ,  ,  0"
      {{18500, 100, 105, 105, 2, 0, 0, 0, 0}, 371, 2000, 2100, 2100, 20},
      // Both sides: 90 left, 60 right in steps of 5; stripes 2 and 1.
      {{1000, 90, 0, 0, 2, 60, 0, 0, 1}, 21, 1812, 0, 0, 21},
      // A right speed that is no multiple of 5 is rounded once: 12 / 5 = 2.4,
      // 13 / 5 = 2.6, 20 x 1 - 13 / 5 = 17.4.
      {{1000, 0, 0, 1, 0, 12, 13, -13, 0}, 21, 2, 3, 17, 0},
  };
  for (const Caso& caso : casi) {
    Compilatore stato = con_celle();
    memo_indicatori_v_max(stato, caso.voce);
    const Cella& cella = stato.celle[caso.cella];
    EXPECT_EQ(stato.codice_errore, 0) << caso.voce.posizione;
    EXPECT_EQ(cella.tipo, kIndicatoriVMax) << caso.voce.posizione;
    EXPECT_EQ(cella.valore_a, caso.a) << caso.voce.posizione;
    EXPECT_EQ(cella.valore_b, caso.b) << caso.voce.posizione;
    EXPECT_EQ(cella.valore_c, caso.c) << caso.voce.posizione;
    EXPECT_EQ(cella.valore_d, caso.d) << caso.voce.posizione;
  }
}

TEST(MemoIndicatoriVMax, CellMustBeFree) {
  Compilatore stato = con_celle();
  stato.celle[26].tipo = kMarcaMontagna;  // a mountain mark gives way
  memo_indicatori_v_max(stato, {1250, 90, 90, 90, 0, 0, 0, 0, 0});
  EXPECT_EQ(stato.codice_errore, 0);
  EXPECT_EQ(stato.celle[26].tipo, kIndicatoriVMax);

  stato.celle[30].tipo = kCartello;
  stato.celle[30].valore_a = 80;
  memo_indicatori_v_max(stato, {1450, 90, 90, 90, 0, 0, 0, 0, 0});
  EXPECT_EQ(stato.codice_errore, 21);
  EXPECT_EQ(stato.posizione_errore, 1450);
  EXPECT_EQ(stato.celle[30].tipo, kCartello);
  EXPECT_EQ(stato.celle[30].valore_a, 80);
}

TEST(MemoIndicatoriVMax, RefusalsWriteNothing) {
  struct Caso {
    IndicatoriVMax voce;
    int32_t codice;
  };
  const std::vector<Caso> casi = {
      {{-100, 90, 90, 90, 0, 0, 0, 0, 0}, 31},   // cell -1
      {{1000, 1639, 0, 0, 0, 0, 0, 0, 0}, 25},   // 32780: beyond 16 bits
      {{1000, 0, 0, -1639, 0, 0, 0, 0, 0}, 25},  // -32780
      {{1000, 0, 0, 0, 3277, 0, 0, 0, 0}, 25},   // stripes 32770
      {{1000, 0, 0, 0, 0, 0, 0, 0, 40000}, 25},  // a stripe count wider than 16 bits
  };
  for (const Caso& caso : casi) {
    Compilatore stato = con_celle();
    memo_indicatori_v_max(stato, caso.voce);
    EXPECT_EQ(stato.codice_errore, caso.codice) << caso.voce.posizione;
    EXPECT_EQ(stato.celle[21].tipo, kLibera);
  }
  // The widest values that fit.
  Compilatore stato = con_celle();
  memo_indicatori_v_max(stato, {1000, 1638, 0, 0, 3276, 35, 0, 0, 7});
  EXPECT_EQ(stato.codice_errore, 0);
  EXPECT_EQ(stato.celle[21].valore_a, 32767);
  EXPECT_EQ(stato.celle[21].valore_d, 32767);
}

}  // namespace
}  // namespace scenario
