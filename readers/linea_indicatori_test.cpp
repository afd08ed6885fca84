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
      {.voce = {.posizione = 1250, .vas = 90, .vbs = 90, .vcs = 90},
       .cella = 26,
       .a = 1800,
       .b = 1800,
       .c = 1800,
       .d = 0},
      // "indicatori_vmax,  18500,  100,  105,  105,  2,  ,  ,  ,  0"
      {.voce = {.posizione = 18500, .vas = 100, .vbs = 105, .vcs = 105, .strisces = 2},
       .cella = 371,
       .a = 2000,
       .b = 2100,
       .c = 2100,
       .d = 20},
      // Both sides: 90 left, 60 right in steps of 5; stripes 2 and 1.
      {.voce = {.posizione = 1000, .vas = 90, .strisces = 2, .vad = 60, .strisced = 1},
       .cella = 21,
       .a = 1812,
       .b = 0,
       .c = 0,
       .d = 21},
      // A right speed that is no multiple of 5 is rounded once: 12 / 5 = 2.4,
      // 13 / 5 = 2.6, 20 x 1 - 13 / 5 = 17.4.
      {.voce = {.posizione = 1000, .vcs = 1, .vad = 12, .vbd = 13, .vcd = -13},
       .cella = 21,
       .a = 2,
       .b = 3,
       .c = 17,
       .d = 0},
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
  memo_indicatori_v_max(stato, {.posizione = 1250, .vas = 90, .vbs = 90, .vcs = 90});
  EXPECT_EQ(stato.codice_errore, 0);
  EXPECT_EQ(stato.celle[26].tipo, kIndicatoriVMax);

  stato.celle[30].tipo = kCartello;
  stato.celle[30].valore_a = 80;
  memo_indicatori_v_max(stato, {.posizione = 1450, .vas = 90, .vbs = 90, .vcs = 90});
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
      {.voce = {.posizione = -100, .vas = 90, .vbs = 90, .vcs = 90}, .codice = 31},  // cell -1
      {.voce = {.posizione = 1000, .vas = 1639}, .codice = 25},                      // 32780: beyond 16 bits
      {.voce = {.posizione = 1000, .vcs = -1639}, .codice = 25},                     // -32780
      {.voce = {.posizione = 1000, .strisces = 3277}, .codice = 25},                 // stripes 32770
  };
  for (const Caso& caso : casi) {
    Compilatore stato = con_celle();
    memo_indicatori_v_max(stato, caso.voce);
    EXPECT_EQ(stato.codice_errore, caso.codice) << caso.voce.posizione;
    EXPECT_EQ(stato.celle[21].tipo, kLibera);
  }
  // The widest values that fit.
  Compilatore stato = con_celle();
  memo_indicatori_v_max(stato, {.posizione = 1000, .vas = 1638, .strisces = 3276, .vad = 35, .strisced = 7});
  EXPECT_EQ(stato.codice_errore, 0);
  EXPECT_EQ(stato.celle[21].valore_a, 32767);
  EXPECT_EQ(stato.celle[21].valore_d, 32767);
}

}  // namespace
}  // namespace scenario
