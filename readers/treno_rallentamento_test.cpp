#include "readers/treno_rallentamento.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/stato.h"
#include "tests/treno_prova.h"

namespace scenario {
namespace {

using test::con_celle;

void attesa(const Cella& c, uint8_t tipo, int16_t a, int16_t b, int16_t cc) {
  EXPECT_EQ(c.tipo, tipo);
  EXPECT_EQ(c.valore_a, a);
  EXPECT_EQ(c.valore_b, b);
  EXPECT_EQ(c.valore_c, cc);
}

TEST(MemoRallentamento, WorkedExampleAt20000) {
  Compilatore stato = con_celle();
  stato.celle[401].valore_b = 9;  // d_v 0 leaves valore_b as it was
  memo_rallentamento(stato, 20000, 60, 1000, 1, 1, 0);
  EXPECT_EQ(stato.codice_errore, 0);
  attesa(stato.celle[377], kAvvisoRallentamento, 60, 0, 0);
  attesa(stato.celle[401], kInizioRallentamento, 60, 9, 1);
  attesa(stato.celle[421], kFineRallentamento, 60, 0, 1);
  for (int i = 0; i < 4; ++i) {
    attesa(stato.celle[static_cast<size_t>(376 - i)], kPreavvisoRallentamento, static_cast<int16_t>(i + 1), 0, 0);
  }
  EXPECT_EQ(stato.celle[372].tipo, kLibera);
  EXPECT_EQ(stato.celle[402].tipo, kLibera);  // the cells between start and end stay free
}

TEST(MemoRallentamento, WarningOnlyBeyond1500) {
  // At 1550 m: warning cell 8 (the cell of 350 m), pre-warnings 7 to 4.
  Compilatore stato = con_celle();
  memo_rallentamento(stato, 1550, 30, 500, 0, 1, 0);
  EXPECT_EQ(stato.codice_errore, 0);
  EXPECT_EQ(stato.celle[8].tipo, kAvvisoRallentamento);
  for (size_t i = 4; i <= 7; ++i) EXPECT_EQ(stato.celle[i].valore_a, 8 - static_cast<int>(i)) << i;
  EXPECT_EQ(stato.celle[32].tipo, kInizioRallentamento);
  EXPECT_EQ(stato.celle[42].tipo, kFineRallentamento);

  // At 1500 m only the start and the end, whatever f_ta says.
  Compilatore vicino = con_celle();
  memo_rallentamento(vicino, 1500, 30, 500, 0, 1, 0);
  EXPECT_EQ(vicino.codice_errore, 0);
  int scritte = 0;
  for (const Cella& c : vicino.celle) scritte += c.tipo != kLibera;
  EXPECT_EQ(scritte, 2);
  EXPECT_EQ(vicino.celle[31].tipo, kInizioRallentamento);
  EXPECT_EQ(vicino.celle[41].tipo, kFineRallentamento);
}

TEST(MemoRallentamento, SpeedDifferenceGoesToValoreB) {
  Compilatore stato = con_celle();
  memo_rallentamento(stato, 20000, 60, 1000, 2, 1, 70000);  // 70000 keeps its low 16 bits: 4464
  attesa(stato.celle[377], kAvvisoRallentamento, 60, 4464, 0);
  attesa(stato.celle[401], kInizioRallentamento, 60, 4464, 2);
  attesa(stato.celle[421], kFineRallentamento, 60, 4464, 2);
  for (int i = 0; i < 4; ++i) {
    const int16_t n = static_cast<int16_t>(i + 1);
    attesa(stato.celle[static_cast<size_t>(376 - i)], kPreavvisoRallentamento, n, n, 0);
  }
}

TEST(MemoRallentamento, ShortSlowdownLeavesAStart) {
  Compilatore stato = con_celle();
  memo_rallentamento(stato, 20000, 60, 20, 1, 0, 5);
  attesa(stato.celle[401], kInizioRallentamento, 60, 5, 1);
  EXPECT_EQ(stato.celle[402].tipo, kLibera);
  EXPECT_EQ(stato.celle[373].tipo, kLibera);  // f_ta 0: no pre-warning
}

TEST(MemoRallentamento, BusyCells) {
  struct Caso {
    size_t cella;
    int32_t codice;
  };
  // Warning 377, start 401, end 421, pre-warnings 376 to 373.
  const std::vector<Caso> casi = {{.cella = 377, .codice = 17},
                                  {.cella = 401, .codice = 18},
                                  {.cella = 421, .codice = 19},
                                  {.cella = 376, .codice = 20},
                                  {.cella = 373, .codice = 20}};
  for (const Caso& caso : casi) {
    Compilatore stato = con_celle();
    stato.celle[caso.cella].tipo = kCartello;
    memo_rallentamento(stato, 20000, 60, 1000, 1, 1, 0);
    EXPECT_EQ(stato.codice_errore, caso.codice) << caso.cella;
    EXPECT_EQ(stato.celle[caso.cella].tipo, kCartello) << caso.cella;
    const bool tenute = caso.codice == 20;  // start, end and warning stay written
    EXPECT_EQ(stato.celle[377].tipo == kAvvisoRallentamento, tenute) << caso.cella;
    EXPECT_EQ(stato.celle[401].tipo == kInizioRallentamento, tenute) << caso.cella;
    EXPECT_EQ(stato.celle[421].tipo == kFineRallentamento, tenute) << caso.cella;
    EXPECT_NE(stato.celle[375].tipo, kPreavvisoRallentamento) << caso.cella;
  }
  // A mountain mark is free.
  Compilatore stato = con_celle();
  stato.celle[401].tipo = kMarcaMontagna;
  memo_rallentamento(stato, 20000, 60, 1000, 1, 1, 0);
  EXPECT_EQ(stato.codice_errore, 0);
  EXPECT_EQ(stato.celle[401].tipo, kInizioRallentamento);
}

TEST(MemoRallentamento, PreWarningsRightBeforeTheWarningOffTheGrid) {
  struct Caso {
    int32_t x;
    size_t avviso;
  };
  // 1575: the warning's cell of 375 m, 8.5, goes to 8; 1625: 9.5 goes to 10.
  for (const Caso caso : {Caso{.x = 1575, .avviso = 8}, Caso{.x = 1625, .avviso = 10}}) {
    Compilatore stato = con_celle();
    memo_rallentamento(stato, caso.x, 30, 500, 0, 1, 0);
    EXPECT_EQ(stato.codice_errore, 0) << caso.x;
    EXPECT_EQ(stato.celle[caso.avviso].tipo, kAvvisoRallentamento) << caso.x;
    for (size_t i = 1; i <= 4; ++i) {
      EXPECT_EQ(stato.celle[caso.avviso - i].tipo, kPreavvisoRallentamento) << caso.x << " " << i;
      EXPECT_EQ(stato.celle[caso.avviso - i].valore_a, static_cast<int16_t>(i)) << caso.x << " " << i;
    }
  }
}

TEST(MemoRallentamento, OutsideTheCellArrayIsRefused) {
  struct Caso {
    int32_t x, l;
  };
  // Negative length; end past cell 1900; start before cell 0.
  for (const Caso caso : {Caso{.x = 20000, .l = -100}, Caso{.x = 90000, .l = 5000}, Caso{.x = -200, .l = 100}}) {
    Compilatore stato = con_celle();
    memo_rallentamento(stato, caso.x, 60, caso.l, 1, 1, 0);
    EXPECT_EQ(stato.codice_errore, 32) << caso.x << " " << caso.l;
    for (const Cella& c : stato.celle) ASSERT_EQ(c.tipo, kLibera);
  }
  // The end on the last cell is inside.
  Compilatore stato = con_celle();
  memo_rallentamento(stato, 90000, 60, 4950, 1, 1, 0);
  EXPECT_EQ(stato.codice_errore, 0);
  EXPECT_EQ(stato.celle[1900].tipo, kFineRallentamento);
}

}  // namespace
}  // namespace scenario
