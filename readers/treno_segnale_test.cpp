#include "readers/treno_segnale.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/stato.h"
#include "tests/treno_prova.h"

namespace scenario {
namespace {

using test::con_celle;

TEST(MemoSegnale, WorkedExampleAt41900) {
  Compilatore stato = con_celle();
  ImpostazioniSegnale s;
  s.sx = 1;
  s.s1 = 5;
  s.s2 = 6;
  memo_segnale(stato, 41900, s);
  EXPECT_EQ(stato.codice_errore, 0);
  const Cella& c = stato.celle[839];
  EXPECT_EQ(c.tipo, kSegnale);
  EXPECT_EQ(c.valore_a, 50);
  EXPECT_EQ(c.valore_b, 60);
  EXPECT_EQ(c.valore_c, 0);
  EXPECT_EQ(c.valore_d, 3);
  EXPECT_EQ(c.tempo, 0);
  EXPECT_EQ(stato.celle[837].avviso, 31);
  EXPECT_EQ(stato.celle[835].avviso, 32);
  EXPECT_EQ(stato.celle[833].avviso, 33);
  EXPECT_EQ(stato.celle[831].avviso, 34);
  // The marks leave their cells' types alone, and the cells in between get none.
  EXPECT_EQ(stato.celle[837].tipo, kLibera);
  EXPECT_EQ(stato.celle[838].avviso, 0);
  EXPECT_EQ(stato.celle[830].avviso, 0);
}

TEST(MemoSegnale, PackedSettingsAndMarks) {
  struct Caso {
    ImpostazioniSegnale s;
    int16_t a, b, c, d;
    uint8_t primo_avviso;
  };
  // The last two are the scenario's signals at 43150 and 85150 m; the third
  // keeps only the low 16 and 8 bits of codes too wide for their fields.
  const std::vector<Caso> casi = {
      {.s = {.sx = 2, .s1 = 4, .s2 = 1}, .a = 40, .b = 10, .c = 0, .d = 6, .primo_avviso = 61},
      {.s = {.sx = 1, .s1 = 5, .s2 = 6, .dx = 1, .d1 = 3, .d2 = 1},
       .a = 53,
       .b = 61,
       .c = 0,
       .d = 4,
       .primo_avviso = 41},
      {.s = {.sx = 10, .s1 = 4000, .dx = 0},
       .a = -25536,
       .b = 0,
       .c = 0,
       .d = 30,
       .primo_avviso = 45},  // 40000 - 65536; 301 - 256
      {.s = {.sx = 2, .s1 = 2, .s2 = 3, .rapp = 1}, .a = 20, .b = 30, .c = 0, .d = 16, .primo_avviso = 61},
      {.s = {.sx = 2, .s1 = 2, .s2 = 3, .s3 = 1, .dx = 2, .d1 = 2, .d2 = 1, .d3 = 1},
       .a = 22,
       .b = 31,
       .c = 11,
       .d = 8,
       .primo_avviso = 81},
  };
  for (Caso caso : casi) {
    Compilatore stato = con_celle();
    memo_segnale(stato, 5000, caso.s);
    const Cella& c = stato.celle[101];
    EXPECT_EQ(c.tipo, kSegnale);
    EXPECT_EQ(c.valore_a, caso.a);
    EXPECT_EQ(c.valore_b, caso.b);
    EXPECT_EQ(c.valore_c, caso.c);
    EXPECT_EQ(c.valore_d, caso.d);
    for (int j = 1; j <= 4; ++j) {
      EXPECT_EQ(stato.celle[static_cast<size_t>(101 - 2 * j)].avviso, caso.primo_avviso + j - 1) << j;
    }
  }
}

TEST(MemoSegnale, TimeByte) {
  struct Caso {
    int32_t sx, tempo;
    uint8_t byte;
    int32_t tempo_dopo;
  };
  const std::vector<Caso> casi = {
      {.sx = 2, .tempo = 50, .byte = 101, .tempo_dopo = 101},  {.sx = 2, .tempo = 1, .byte = 101, .tempo_dopo = 101},
      {.sx = 2, .tempo = 100, .byte = 101, .tempo_dopo = 101}, {.sx = 2, .tempo = 0, .byte = 0, .tempo_dopo = 0},
      {.sx = 1, .tempo = 50, .byte = 0, .tempo_dopo = 101},    {.sx = 2, .tempo = 300, .byte = 44, .tempo_dopo = 300},
      {.sx = 2, .tempo = 101, .byte = 101, .tempo_dopo = 101}, {.sx = 2, .tempo = -1, .byte = 255, .tempo_dopo = -1},
  };
  for (const Caso& caso : casi) {
    Compilatore stato = con_celle();
    ImpostazioniSegnale s;
    s.sx = caso.sx;
    s.tempo = caso.tempo;
    memo_segnale(stato, 1200, s);
    EXPECT_EQ(stato.celle[25].tempo, caso.byte) << caso.sx << " " << caso.tempo;
    EXPECT_EQ(s.tempo, caso.tempo_dopo) << caso.sx << " " << caso.tempo;
  }
}

TEST(MemoSegnale, BusyCellWritesNothing) {
  for (uint8_t tipo : {kSegnale, kStazione, kCartello, kInizioRallentamento}) {
    Compilatore stato = con_celle();
    stato.celle[25].tipo = tipo;
    stato.celle[25].valore_a = 7;
    stato.celle[23].avviso = 81;
    ImpostazioniSegnale s;
    s.sx = 1;
    s.s1 = 4;
    memo_segnale(stato, 1200, s);
    EXPECT_EQ(stato.codice_errore, 16);
    EXPECT_EQ(stato.celle[25].tipo, tipo);
    EXPECT_EQ(stato.celle[25].valore_a, 7);
    EXPECT_EQ(stato.celle[23].avviso, 81);
    EXPECT_EQ(stato.celle[21].avviso, 0);
  }
  // A mountain mark counts as free and is replaced.
  Compilatore stato = con_celle();
  stato.celle[25].tipo = kMarcaMontagna;
  ImpostazioniSegnale s;
  memo_segnale(stato, 1200, s);
  EXPECT_EQ(stato.codice_errore, 0);
  EXPECT_EQ(stato.celle[25].tipo, kSegnale);
}

TEST(MemoSegnale, LaterMarksReplaceEarlierOnes) {
  Compilatore stato = con_celle();
  ImpostazioniSegnale primo;
  primo.sx = 1;
  ImpostazioniSegnale secondo;
  secondo.sx = 2;
  memo_segnale(stato, 5000, primo);    // cell 101, marks 99 97 95 93
  memo_segnale(stato, 5100, secondo);  // cell 103, marks 101 99 97 95
  EXPECT_EQ(stato.codice_errore, 0);
  EXPECT_EQ(stato.celle[101].tipo, kSegnale);  // a mark on a signal leaves it a signal
  EXPECT_EQ(stato.celle[101].avviso, 61);
  EXPECT_EQ(stato.celle[99].avviso, 62);
  EXPECT_EQ(stato.celle[97].avviso, 63);
  EXPECT_EQ(stato.celle[95].avviso, 64);
  EXPECT_EQ(stato.celle[93].avviso, 34);
  // Three earlier marks were lost; the first signal's own cell had none.
  EXPECT_EQ(stato.avvertimenti.size(), 3u);
}

TEST(MemoSegnale, OutsideTheCellArrayIsRefused) {
  // At 350 m the farthest mark falls on cell 0; at 300 m it would fall before it.
  Compilatore stato = con_celle();
  ImpostazioniSegnale s;
  s.sx = 1;
  memo_segnale(stato, 350, s);
  EXPECT_EQ(stato.codice_errore, 0);
  EXPECT_EQ(stato.celle[0].avviso, 34);

  for (int32_t posizione : {300, -1000, 95000}) {
    Compilatore fuori = con_celle();
    memo_segnale(fuori, posizione, s);
    EXPECT_EQ(fuori.codice_errore, 32) << posizione;
    for (const Cella& c : fuori.celle) {
      ASSERT_EQ(c.tipo, kLibera) << posizione;
      ASSERT_EQ(c.avviso, 0) << posizione;
    }
  }
}

}  // namespace
}  // namespace scenario
