#include "readers/treno_lettore.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "driver/memorizza_dati.h"
#include "model/nomi_file.h"
#include "model/stato.h"
#include "tests/cartella_temporanea.h"
#include "tests/treno_prova.h"

namespace scenario {
namespace {

using test::CartellaTemporanea;

// A station line with the settings that matter here; the others are those of
// an ordinary stop of the scenario.
std::string stazione(int p, int tipo, int lunghezza, int v5 = 0, int v6 = 0) {
  return "stazione,  " + std::to_string(p) + ",  " + std::to_string(tipo) + ",  " + std::to_string(lunghezza) +
         ",  0,  " + std::to_string(v5) + ",  " + std::to_string(v6) +
         ",  1,  1,  0,  4,  1,  1,  0,  0,  0,  0,   STAZIONE";
}

std::string segnale(int p, int sx = 1) {
  return "segnale,  " + std::to_string(p) + ",  " + std::to_string(sx) + ",  4,  1,  0,  0,  0,  0,  0,  0,  0";
}

void uguali(const Compilatore& s, uint8_t Cella::*campo, size_t da, size_t a, int atteso) {
  for (size_t i = da; i <= a; ++i) ASSERT_EQ(s.celle[i].*campo, atteso) << "cella " << i;
}

void velocita(const Compilatore& s, size_t da, size_t a, int atteso) { uguali(s, &Cella::velocita, da, a, atteso); }
void aderenza(const Compilatore& s, size_t da, size_t a, int atteso) { uguali(s, &Cella::aderenza, da, a, atteso); }

struct Caso {
  std::string nome;
  std::string testo;
  std::function<void(Compilatore&)> prepara = {};
  int32_t codice = 0;
  std::optional<int32_t> posizione = {};  // posizione_errore afterwards, when the code has one
  int riga = 0;                           // line of the train text the last record names
  std::function<void(const Compilatore&)> verifica = {};
};

// Reads each case's text. Only a reading failure (25) makes the reader report
// one, on which the reading stage deletes the line text too.
void esegui(const std::vector<Caso>& casi) {
  for (const Caso& caso : casi) {
    SCOPED_TRACE(caso.nome);
    Compilatore stato = test::dopo_la_linea();
    if (caso.prepara) caso.prepara(stato);
    const bool letto = test::leggi_treno(stato, caso.testo);
    EXPECT_EQ(stato.codice_errore, caso.codice);
    EXPECT_EQ(letto, caso.codice != 25);
    if (caso.posizione) {
      EXPECT_EQ(stato.posizione_errore, *caso.posizione);
    }
    if (caso.riga > 0) {
      ASSERT_FALSE(stato.guasti.empty() && stato.avvertimenti.empty());
      const int riga = caso.codice != 0 ? stato.guasti.back().riga : stato.avvertimenti.back().riga;
      const std::string& file = caso.codice != 0 ? stato.guasti.back().file : stato.avvertimenti.back().file;
      EXPECT_EQ(riga, caso.riga);
      EXPECT_EQ(file, "MilanoPGen-Alessandria_2635-.txt");
    }
    if (caso.verifica) caso.verifica(stato);
  }
}

using test::descrizione_treno;

TEST(LettoreTreno, FaultCodes) {
  esegui({
      {.nome = "7: abbattimento on a signpost; the reading stops without the fills",
       .testo = descrizione_treno({"velocita,  0,  30", "abbattimento,  1000,  180", segnale(2450)}),
       .prepara = [](Compilatore& s) { s.celle[20].tipo = kCartello; },
       .codice = 7,
       .posizione = 1000,
       .riga = 3,
       .verifica =
           [](const Compilatore& s) {
             EXPECT_EQ(s.celle[20].tipo, kCartello);
             EXPECT_EQ(s.celle[50].tipo, kLibera);
             velocita(s, 0, 1900, 0);
           }},
      {.nome = "8: station off the 50 m grid",
       .testo = descrizione_treno({stazione(1025, 12, 600)}),
       .codice = 8,
       .posizione = 1025,
       .riga = 2,
       .verifica =
           [](const Compilatore& s) {
             EXPECT_EQ(s.elementi[1].dato3, 1025);
             EXPECT_EQ(s.elementi[1].tipo, 0);
           }},
      {.nome = "9: station length off the 100 m grid",
       .testo = descrizione_treno({stazione(1000, 12, 650)}),
       .codice = 9,
       .posizione = 1000,
       .riga = 2,
       .verifica =
           [](const Compilatore& s) {
             EXPECT_EQ(s.elementi[1].tipo, 12);
             EXPECT_EQ(s.elementi[1].dato1, 0);
           }},
      {.nome = "10 up front: no room left for a station row",
       .testo = descrizione_treno({stazione(1000, 12, 600)}),
       .prepara = [](Compilatore& s) { s.prossimo_cartello = 1; },
       .codice = 10,
       .posizione = 0,
       .riga = 2,
       .verifica = [](const Compilatore& s) { EXPECT_EQ(s.elementi[1].dato3, 0); }},
      {.nome = "15: speed line beyond the cell array; the fills still run",
       .testo = descrizione_treno({"velocita,  0,  30", "aderenza,  0,  100", "velocita,  94950,  60", segnale(1200)}),
       .codice = 15,
       .posizione = 94950,
       .riga = 4,
       .verifica =
           [](const Compilatore& s) {
             velocita(s, 0, 1897, 6);
             velocita(s, 1898, 1900, 0);
             aderenza(s, 0, 1897, 100);
             aderenza(s, 1898, 1900, 0);
             EXPECT_EQ(s.celle[25].tipo, kLibera);
           }},
      {.nome = "15: station whose stop zone margin leaves the cell array",
       .testo = descrizione_treno({stazione(94250, 27, 300)}),
       .codice = 15,
       .posizione = 94250,
       .riga = 2,
       .verifica = [](const Compilatore& s) { EXPECT_EQ(s.elementi[1].dato3, 94250); }},
      {.nome = "2 replaces a 15 and keeps its position",
       .testo = descrizione_treno({"velocita,  94950,  60"}),
       .prepara = [](Compilatore& s) { s.elementi[81].dato1 = 1025; },
       .codice = 2,
       .posizione = 94950,
       .riga = 0,
       .verifica =
           [](const Compilatore& s) {
             EXPECT_EQ(s.guasti.back().file, "MilanoPGen-Alessandria_linea.txt");
             EXPECT_EQ(s.guasti.back().riga, 0);
           }},
      {.nome = "2 after a complete reading",
       .testo = descrizione_treno({"velocita,  0,  30"}),
       .prepara = [](Compilatore& s) { s.elementi[83].dato2 = 16010; },
       .codice = 2,
       .riga = 0,
       .verifica = [](const Compilatore& s) { velocita(s, 0, 1897, 6); }},
      {.nome = "16: signal on a stopping cell",
       .testo = descrizione_treno({"velocita,  0,  30", stazione(1000, 12, 600), segnale(1200)}),
       .codice = 16,
       .posizione = 1200,
       .riga = 4,
       .verifica =
           [](const Compilatore& s) {
             EXPECT_EQ(s.celle[25].tipo, kStazione);
             EXPECT_EQ(s.celle[25].valore_a, 1);
             velocita(s, 0, 1900, 0);
           }},
      {.nome = "18: slowdown start on a signpost",
       .testo = descrizione_treno({"rallentamento,  20000,  60,  1000,  1,  1,  0"}),
       .prepara = [](Compilatore& s) { s.celle[401].tipo = kCartello; },
       .codice = 18,
       .posizione = 20000,
       .riga = 2,
       .verifica = [](const Compilatore& s) { EXPECT_EQ(s.celle[377].tipo, kLibera); }},
      {.nome = "22: stations out of order; the second one's cells are already written",
       .testo = descrizione_treno({stazione(5000, 12, 600), stazione(3000, 12, 600)}),
       .codice = 22,
       .posizione = 3000,
       .riga = 3,
       .verifica =
           [](const Compilatore& s) {
             EXPECT_EQ(s.elementi[2].dato1, 2700);
             EXPECT_EQ(s.elementi[2].dato2, 3300);
             EXPECT_EQ(s.celle[65].tipo, kStazione);
             EXPECT_EQ(s.celle[65].valore_a, 2);
           }},
      {.nome = "22: a type 27 station is spaced too",
       .testo = descrizione_treno({stazione(0, 12, 800), stazione(600, 27, 300)}),
       .codice = 22,
       .posizione = 600,
       .riga = 3},
      {.nome = "24: stopping cell on cell 0",
       .testo = descrizione_treno({stazione(0, 12, 100)}),
       .codice = 24,
       .posizione = 0,
       .riga = 2,
       .verifica =
           [](const Compilatore& s) {
             EXPECT_EQ(s.elementi[1].dato1, -50);
             EXPECT_EQ(s.elementi[1].dato2, 50);
             for (size_t i = 0; i < 8; ++i) EXPECT_EQ(s.celle[i].tipo, kLibera) << i;
           }},
      {.nome = "25: the file ends inside a line's values",
       .testo = "[generale]\r\nvetture,  9\r\nvelocita,  100\r\n",
       .codice = 25,
       .riga = 3,
       .verifica = [](const Compilatore& s) { EXPECT_EQ(s.elementi[84].dato3, 9); }},
      {.nome = "25: a number field holding letters",
       .testo = descrizione_treno({"vetture,  nove"}),
       .codice = 25,
       .riga = 2},
      {.nome = "32: abbattimento before cell 0",
       .testo = descrizione_treno({"abbattimento,  -100,  180"}),
       .codice = 32,
       .posizione = -100,
       .riga = 2},
      {.nome = "32: signal whose farthest mark would fall before cell 0",
       .testo = descrizione_treno({segnale(300)}),
       .codice = 32,
       .posizione = 300,
       .riga = 2,
       .verifica = [](const Compilatore& s) { EXPECT_EQ(s.celle[7].tipo, kLibera); }},
      {.nome = "32: stopping cell past the last cell, before any write",
       .testo = descrizione_treno({stazione(90000, 7, 8000)}),
       .codice = 32,
       .posizione = 90000,
       .riga = 2,
       .verifica =
           [](const Compilatore& s) {
             EXPECT_EQ(s.elementi[1].dato1, 82000);
             EXPECT_EQ(s.elementi[1].dato2, 98000);
             for (const Cella& c : s.celle) ASSERT_EQ(c.avviso, 0);
           }},
      {.nome = "32 comes before 24: stopping cell before cell 0",
       .testo = descrizione_treno({stazione(-1000, 12, 100)}),
       .codice = 32,
       .posizione = -1000,
       .riga = 2},
  });
}

TEST(LettoreTreno, LineHalfEndedWithCode15) {
  auto dopo_15 = [](Compilatore& s) {
    s.file_corrente = "MilanoPGen-Alessandria_linea.txt";
    s.registra(15, 500);
  };
  esegui({
      {.nome = "the first signal is placed and ends the reading with its position",
       .testo = descrizione_treno({"velocita,  0,  30", segnale(1200), segnale(2450)}),
       .prepara = dopo_15,
       .codice = 15,
       .posizione = 1200,
       .riga = 0,
       .verifica =
           [](const Compilatore& s) {
             EXPECT_EQ(s.celle[25].tipo, kSegnale);
             EXPECT_EQ(s.celle[50].tipo, kLibera);
             velocita(s, 0, 1900, 0);
             ASSERT_EQ(s.guasti.size(), 1u);  // the line half's fault keeps its own place
             EXPECT_EQ(s.guasti[0].posizione, 500);
           }},
      {.nome = "without signals or slowdowns the closing steps run",
       .testo = descrizione_treno({"velocita,  0,  30"}),
       .prepara = dopo_15,
       .codice = 15,
       .posizione = 500,
       .riga = 0,
       .verifica = [](const Compilatore& s) { velocita(s, 0, 1897, 6); }},
  });
}

TEST(LettoreTreno, ValuesThatDoNotFitTheirWidth) {
  const std::vector<std::string> righe = {
      "sabbia,  40000",                                                    // 16-bit
      "orologio,  -32769,  0,  0",                                         // 16-bit
      "vetture,  2147483648",                                              // 32-bit
      stazione(1000, 300, 600),                                            // type, 8-bit
      "stazione,  1000,  12,  600,  0,  0,  0,  40000,  1,  0,  4,  1,  1,  0,  0,  0,  0,   X",  // intero1
      "stazione,  1000,  12,  600,  0,  0,  0,  1,  1,  0,  4,  1,  1,  256,  0,  0,  0,   X",    // byte2
      "stazione,  1000,  12,  600,  0,  0,  0,  1,  1,  0,  4,  1,  1,  0,  600000,  0,  0,   X", // dato4
  };
  std::vector<Caso> casi;
  for (const std::string& riga : righe)
    casi.push_back({.nome = riga, .testo = descrizione_treno({riga}), .codice = 25, .riga = 2});
  // 1300 km/h is 260 steps of 5 km/h: it fails when the closing fill stores it,
  // after "[fine]" (line 3) was read.
  casi.push_back({.nome = "velocita,  0,  1300",
                  .testo = descrizione_treno({"velocita,  0,  1300"}),
                  .codice = 25,
                  .riga = 3,
                  .verifica = [](const Compilatore& s) { velocita(s, 0, 1900, 0); }});
  // The widest values that fit.
  casi.push_back({.nome = "limits",
                  .testo = descrizione_treno({"velocita,  0,  1275", "sabbia,  32767", "orologio,  -32768,  0,  0"}),
                  .verifica = [](const Compilatore& s) {
                    velocita(s, 0, 1897, 255);
                    EXPECT_EQ(s.elementi[86].intero1, 32767);
                    EXPECT_EQ(s.elementi[86].intero3, -32768);
                  }});
  esegui(casi);
}

TEST(LettoreTreno, KeysAndFields) {
  esegui({
      {.nome = "letter case does not matter",
       .testo = descrizione_treno({"NUMERO VETTURE,  9", "Percentuale Massa Frenata,  130", "VeLoCiTa,  0,  30"}),
       .codice = 0,
       .riga = 0,
       .verifica =
           [](const Compilatore& s) {
             EXPECT_EQ(s.elementi[84].dato3, 9);
             EXPECT_EQ(s.elementi[84].dato1, 130);
             velocita(s, 0, 1897, 6);
           }},
      {.nome = "massa without frenata does nothing, and is reported",
       .testo = descrizione_treno({"percentuale massa,  130"}),
       .codice = 0,
       .riga = 2,
       .verifica =
           [](const Compilatore& s) {
             EXPECT_EQ(s.elementi[84].dato1, 0);
             // The key; its value, read as a key on the same line, is not recorded again.
             EXPECT_EQ(s.avvertimenti.size(), 1u);
           }},
      {.nome = "a line of dashes is passed over",
       .testo = descrizione_treno({"vetture,  5", "-----------", "sabbia,  300"}),
       .codice = 0,
       .riga = 0,
       .verifica =
           [](const Compilatore& s) {
             EXPECT_EQ(s.elementi[84].dato3, 5);
             EXPECT_EQ(s.elementi[86].intero1, 300);
             EXPECT_TRUE(s.avvertimenti.empty());
           }},
      {.nome = "a dash field holding a key word is a comment",
       .testo = descrizione_treno({"-- vetture,  9"}),
       .codice = 0,
       .riga = 0,
       .verifica = [](const Compilatore& s) { EXPECT_EQ(s.elementi[84].dato3, 0); }},
      {.nome = "the third dash field in a row is the key",
       .testo = descrizione_treno({"-- a", "-- b", "-- vetture,  9"}),
       .codice = 0,
       .riga = 0,
       .verifica = [](const Compilatore& s) { EXPECT_EQ(s.elementi[84].dato3, 9); }},
      {.nome = "a negative value is a value",
       .testo = descrizione_treno({"sabbia,  -5"}),
       .codice = 0,
       .riga = 0,
       .verifica = [](const Compilatore& s) { EXPECT_EQ(s.elementi[86].intero1, -5); }},
      {.nome = "the clock's numbers are separated by blanks",
       .testo = descrizione_treno({"orologio,     17               59            40"}),
       .codice = 0,
       .riga = 0,
       .verifica =
           [](const Compilatore& s) {
             EXPECT_EQ(s.elementi[86].intero3, 17);
             EXPECT_EQ(s.elementi[86].intero4, 59);
             EXPECT_EQ(s.elementi[86].intero5, 40);
           }},
      {.nome = "a field with two key words is handled twice",
       .testo = descrizione_treno({"velocita aderenza,  0,  30,  0,  100"}),
       .codice = 0,
       .riga = 0,
       .verifica =
           [](const Compilatore& s) {
             velocita(s, 0, 1897, 6);
             aderenza(s, 0, 1897, 100);
           }},
      {.nome = "the last field is never acted on",
       .testo = "[generale]\r\nvetture,  9\r\nsabbia",
       .codice = 0,
       .riga = 0,
       .verifica = [](const Compilatore& s) { EXPECT_EQ(s.elementi[84].dato3, 9); }},
      {.nome = "a file may end right after a line's values",
       .testo = "[generale]\r\nvetture,  9",
       .codice = 0,
       .riga = 0,
       .verifica = [](const Compilatore& s) { EXPECT_EQ(s.elementi[84].dato3, 9); }},
      {.nome = "everything before [generale] is passed over",
       .testo = "vetture,  5\r\n[GENERALE]\r\nsabbia,  3\r\n[fine]\r\n",
       .codice = 0,
       .riga = 0,
       .verifica =
           [](const Compilatore& s) {
             EXPECT_EQ(s.elementi[84].dato3, 0);
             EXPECT_EQ(s.elementi[86].intero1, 3);
           }},
      {.nome = "no [generale]: only the fills, with the initial values, and no fault",
       .testo = "velocita,  0,  30\r\n" + segnale(1200) + "\r\n[fine]\r\n",
       .prepara =
           [](Compilatore& s) {
             for (Cella& c : s.celle) c.velocita = c.aderenza = 99;
           },
       .codice = 0,
       .riga = 0,
       .verifica =
           [](const Compilatore& s) {
             velocita(s, 0, 1897, 0);
             velocita(s, 1898, 1900, 99);
             aderenza(s, 0, 1897, 0);
             EXPECT_EQ(s.celle[25].tipo, kLibera);
           }},
      {.nome = "an unknown key is reported with its line",
       .testo = descrizione_treno({"vetture,  9", "vettura,  3"}),
       .codice = 0,
       .riga = 3,
       .verifica = [](const Compilatore& s) { EXPECT_EQ(s.avvertimenti.size(), 1u); }},  // once for its line
  });
}

TEST(LettoreTreno, SpeedAndAdhesion) {
  esegui({
      {.nome = "two speed lines 10 m apart",
       .testo = descrizione_treno({"velocita,  0,  30", "velocita,  1250,  90", "velocita,  1260,  100"}),
       .codice = 0,
       .riga = 0,
       .verifica =
           [](const Compilatore& s) {
             velocita(s, 0, 24, 6);
             velocita(s, 25, 25, 18);
             velocita(s, 26, 1897, 20);
             velocita(s, 1898, 1900, 0);
           }},
      {.nome = "a first line at 0 writes no cell",
       .testo = descrizione_treno({"velocita,  0,  30", "velocita,  100,  60"}),
       .codice = 0,
       .riga = 0,
       .verifica =
           [](const Compilatore& s) {
             velocita(s, 0, 1, 6);
             velocita(s, 2, 1897, 12);
           }},
      {.nome = "the last line where the fill writes one cell",
       .testo = descrizione_treno({"velocita,  0,  30", "velocita,  94900,  60"}),
       .codice = 0,
       .riga = 0,
       .verifica =
           [](const Compilatore& s) {
             velocita(s, 0, 1897, 6);
             velocita(s, 1898, 1898, 12);
             velocita(s, 1899, 1900, 0);
           }},
      {.nome = "adhesion keeps its low 8 bits",
       .testo = descrizione_treno({"aderenza,  0,  100", "aderenza,  500,  300"}),
       .codice = 0,
       .riga = 0,
       .verifica =
           [](const Compilatore& s) {
             aderenza(s, 0, 9, 100);
             aderenza(s, 10, 1897, 44);
           }},
      {.nome = "adhesion lines piled near the end stop at the last cell",
       .testo = descrizione_treno({"aderenza,  94900,  1", "aderenza,  94900,  2", "aderenza,  94900,  3",
                                   "aderenza,  94900,  4", "aderenza,  94900,  5"}),
       .codice = 0,
       .riga = 0,
       .verifica =
           [](const Compilatore& s) {
             aderenza(s, 1898, 1898, 1);
             aderenza(s, 1899, 1899, 2);
             aderenza(s, 1900, 1900, 5);  // the fill: the counter stood on the last cell
           }},
      {.nome = "a line out of order is reported",
       .testo = descrizione_treno({"velocita,  1000,  30", "velocita,  500,  60"}),
       .codice = 0,
       .riga = 3,
       .verifica =
           [](const Compilatore& s) {
             EXPECT_EQ(s.avvertimenti.size(), 1u);
             velocita(s, 0, 19, 0);
             velocita(s, 20, 20, 6);
             velocita(s, 21, 1897, 12);
           }},
      {.nome = "abbattimento",
       .testo = descrizione_treno({"abbattimento,  1000,  180", "abbattimento,  2000,  0", "abbattimento,  2500,  -3"}),
       .prepara = [](Compilatore& s) { s.celle[40].tipo = kMarcaMontagna; },
       .codice = 0,
       .riga = 0,
       .verifica =
           [](const Compilatore& s) {
             EXPECT_EQ(s.celle[20].tipo, kAbbattimento);
             EXPECT_EQ(s.celle[20].valore_a, 180);
             EXPECT_EQ(s.celle[40].tipo, kAbbattimentoNullo);
             EXPECT_EQ(s.celle[50].tipo, kAbbattimentoNullo);
           }},
  });
}

// Cells 0 to 19 got 30 km/h before 1278 km/h was in force; then the reading
// failed, and a reading failure runs no closing fills.
void solo_le_prime_20_celle(const Compilatore& s) {
  velocita(s, 0, 19, 6);
  velocita(s, 20, 1900, 0);
  aderenza(s, 0, 1900, 0);
}

// A speed becomes the one in force after the cells before its own line have
// received the previous one; its byte (steps of 5 km/h, 0 to 255) is worked out
// and tested only when a cell receives it. 1278 / 5 = 255.6 rounds to 256.
TEST(LettoreTreno, ASpeedIsTestedWhenACellReceivesIt) {
  esegui({
      {.nome = "a speed no cell receives compiles clean",
       .testo = descrizione_treno({"velocita,  0,  1278", "velocita,  0,  30"}),
       .verifica =
           [](const Compilatore& s) {
             velocita(s, 0, 1897, 6);
             velocita(s, 1898, 1900, 0);
           }},
      {.nome = "cells 0 to 19 get the first speed; the third line fails storing the second",
       .testo = descrizione_treno({"aderenza,  0,  100", "velocita,  0,  30", "velocita,  1000,  1278",
                                   "velocita,  2000,  30"}),
       .codice = 25,
       .riga = 5,
       .verifica = solo_le_prime_20_celle},
      {.nome = "the closing fill fails storing it",
       .testo = descrizione_treno({"aderenza,  0,  100", "velocita,  0,  30", "velocita,  1000,  1278"}),
       .codice = 25,
       .riga = 5,
       .verifica = solo_le_prime_20_celle},
      {.nome = "a position beyond the cells is met first and keeps its code",
       .testo = descrizione_treno({"aderenza,  0,  100", "velocita,  0,  30", "velocita,  99999,  1278"}),
       .codice = 15,
       .posizione = 99999,
       .riga = 4,
       .verifica =
           [](const Compilatore& s) {
             velocita(s, 0, 1897, 6);
             aderenza(s, 0, 1897, 100);
           }},
  });
}

void fermata(const Compilatore& s, size_t cella, int riga) {
  EXPECT_EQ(s.celle[cella].tipo, kStazione) << cella;
  EXPECT_EQ(s.celle[cella].valore_a, riga) << cella;
  for (size_t j = 1; j <= 4; ++j) EXPECT_EQ(s.celle[cella - j].avviso, 80 + j) << cella - j;
}

TEST(LettoreTreno, Stations) {
  esegui({
      {.nome = "first station, type 12 at 0 m, 800 m long",
       .testo = descrizione_treno({stazione(0, 12, 800)}),
       .codice = 0,
       .riga = 0,
       .verifica =
           [](const Compilatore& s) {
             EXPECT_EQ(s.elementi[1].dato1, -400);
             EXPECT_EQ(s.elementi[1].dato2, 400);
             fermata(s, 7, 1);
           }},
      {.nome = "first station with value 6 = 1: 50 m longer, yet row 1 keeps 0 in byte3 and byte4",
       .testo = descrizione_treno({stazione(0, 12, 800, 7, 1)}),
       .codice = 0,
       .riga = 0,
       .verifica =
           [](const Compilatore& s) {
             EXPECT_EQ(s.elementi[1].dato2, 450);
             fermata(s, 8, 1);
             EXPECT_EQ(s.elementi[1].byte3, 0);
             EXPECT_EQ(s.elementi[1].byte4, 0);
           }},
      {.nome = "type 12 at 5700 m after a station of type 27",
       .testo = descrizione_treno({stazione(0, 27, 100), stazione(5700, 12, 600, 7, 1)}),
       .codice = 0,
       .riga = 0,
       .verifica =
           [](const Compilatore& s) {
             for (size_t i = 0; i < 4; ++i) EXPECT_EQ(s.celle[i].tipo, kLibera);  // type 27 marks nothing
             EXPECT_EQ(s.elementi[2].dato1, 5400);
             EXPECT_EQ(s.elementi[2].dato2, 6050);
             fermata(s, 120, 2);
             EXPECT_EQ(s.elementi[2].byte3, 1);
             EXPECT_EQ(s.elementi[2].byte4, 7);
           }},
      {.nome = "type 5: stop zone to 150 m past the position, no marks",
       .testo = descrizione_treno({stazione(0, 27, 100), stazione(3000, 5, 600, 7, 1)}),
       .codice = 0,
       .riga = 0,
       .verifica =
           [](const Compilatore& s) {
             EXPECT_EQ(s.elementi[2].dato1, 2400);
             EXPECT_EQ(s.elementi[2].dato2, 3150);
             EXPECT_EQ(s.celle[62].tipo, kStazione);
             for (size_t i = 58; i < 62; ++i) EXPECT_EQ(s.celle[i].avviso, 0) << i;
             EXPECT_EQ(s.elementi[2].byte3, 0);
           }},
      {.nome = "type 8 reaches its length on both sides",
       .testo = descrizione_treno({stazione(0, 27, 100), stazione(5000, 8, 300)}),
       .codice = 0,
       .riga = 0,
       .verifica =
           [](const Compilatore& s) {
             EXPECT_EQ(s.elementi[2].dato1, 4700);
             EXPECT_EQ(s.elementi[2].dato2, 5300);
             fermata(s, 105, 2);
           }},
      {.nome = "a station shorter than 600 m keeps 0 in byte4",
       .testo = descrizione_treno({stazione(0, 27, 100), stazione(5000, 12, 500, 7)}),
       .codice = 0,
       .riga = 0,
       .verifica = [](const Compilatore& s) { EXPECT_EQ(s.elementi[2].byte4, 0); }},
      {.nome = "values 4 to 17 in their fields",
       .testo =
           descrizione_treno({stazione(0, 27, 100),
                              "stazione,  5000,  12,  600,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10,  18,  15,  0,    "
                              "ABBIATEGRASSO  "}),
       .codice = 0,
       .riga = 0,
       .verifica =
           [](const Compilatore& s) {
             const Elemento& e = s.elementi[2];
             EXPECT_EQ(e.segno, 1);
             EXPECT_EQ(e.byte4, 2);
             EXPECT_EQ(e.byte3, 3);
             EXPECT_EQ(e.intero1, 4);
             EXPECT_EQ(e.intero2, 5);
             EXPECT_EQ(e.byte1, 6);
             EXPECT_EQ(e.intero3, 7);
             EXPECT_EQ(e.intero4, 8);
             EXPECT_EQ(e.intero5, 9);
             EXPECT_EQ(e.byte2, 10);
             EXPECT_EQ(e.dato4, 65700);
             EXPECT_EQ(e.testo, "ABBIATEGRASSO");
             EXPECT_EQ(e.dato2, 5350);  // byte3 not 0: 50 m more
           }},
      {.nome = "a later signal replaces a station's marks, and this is reported",
       .testo = descrizione_treno({stazione(5700, 12, 600), segnale(5950)}),
       .codice = 0,
       .riga = 3,
       .verifica =
           [](const Compilatore& s) {
             EXPECT_EQ(s.celle[119].tipo, kStazione);
             EXPECT_EQ(s.celle[118].avviso, 31);
             EXPECT_EQ(s.celle[117].avviso, 82);
             EXPECT_EQ(s.celle[116].avviso, 32);
             EXPECT_EQ(s.avvertimenti.size(), 2u);
           }},
  });
}

// Station rows grow up from row 1 towards the signpost rows, which grow down
// from row 80: the line that fills the row just below the signposts is
// stored and ends the reading.
TEST(LettoreTreno, StationRowsStopBelowTheSignposts) {
  for (int cartelli : {0, 3}) {
    SCOPED_TRACE(cartelli);
    Compilatore stato = test::dopo_la_linea();
    stato.prossimo_cartello = kPrimoCartello - cartelli;
    for (int r = 0; r < cartelli; ++r) stato.elementi[static_cast<size_t>(kPrimoCartello - r)].testo = "cartello";
    std::string testo = "[generale]\r\n";
    for (int i = 1; i <= 80; ++i) testo += stazione(1000 * i, 27, 100) + "\r\n";
    test::leggi_treno(stato, testo + "[fine]\r\n");

    const int ultima = 79 - cartelli;  // 79 with no signposts, 76 with 3
    EXPECT_EQ(stato.codice_errore, 10);
    EXPECT_EQ(stato.guasti.back().riga, ultima + 1);
    EXPECT_EQ(stato.elementi[static_cast<size_t>(ultima)].dato3, 1000 * ultima);
    for (int r = ultima + 1; r <= 80; ++r) {
      EXPECT_EQ(stato.elementi[static_cast<size_t>(r)].dato3, 0) << r;
      EXPECT_EQ(stato.elementi[static_cast<size_t>(r)].testo, r > 80 - cartelli ? "cartello" : "") << r;
    }
  }
}

// The file-level rules of the train half: the train text goes on every path,
// and the line text (were it still there) goes too after a reading failure.
TEST(MemorizzaTreno, MissingTrainTextIsAReadingFailure) {
  CartellaTemporanea cartella;
  Compilatore stato = test::dopo_la_linea();
  cartella.scrivi(test::nome_linea(stato), "x");
  memorizza_treno(stato, NomiFile(cartella.percorso(), stato.nome_linea, stato.numero_treno));
  EXPECT_EQ(stato.codice_errore, 25);
  EXPECT_EQ(stato.guasti.back().file, "MilanoPGen-Alessandria_2635-.txt");
  EXPECT_FALSE(cartella.esiste(test::nome_linea(stato)));
  velocita(stato, 0, 1900, 0);
}

TEST(MemorizzaTreno, TextsLeftAfterwards) {
  struct CasoFile {
    const char* nome;
    std::string testo;
    int32_t codice;
  };
  const std::vector<CasoFile> casi = {
      {.nome = "read to the end", .testo = descrizione_treno({"vetture,  9"}), .codice = 0},
      {.nome = "a fault that stops the reading",
       .testo = descrizione_treno({stazione(1025, 12, 600)}),
       .codice = 8},
      {.nome = "a position beyond the cells", .testo = descrizione_treno({"velocita,  94950,  60"}), .codice = 15},
      {.nome = "a reading failure", .testo = descrizione_treno({"vetture,  nove"}), .codice = 25},
      {.nome = "a reading failure in the closing fill",
       .testo = descrizione_treno({"velocita,  0,  1300"}),
       .codice = 25},
  };
  for (const CasoFile& caso : casi) {
    CartellaTemporanea cartella;
    Compilatore stato = test::dopo_la_linea();
    cartella.scrivi(test::nome_linea(stato), "x");
    cartella.scrivi(test::nome_treno(stato), caso.testo);
    memorizza_treno(stato, NomiFile(cartella.percorso(), stato.nome_linea, stato.numero_treno));
    EXPECT_EQ(stato.codice_errore, caso.codice) << caso.nome;
    EXPECT_FALSE(cartella.esiste(test::nome_treno(stato))) << caso.nome;
    EXPECT_EQ(cartella.esiste(test::nome_linea(stato)), caso.codice != 25) << caso.nome;
  }
}

}  // namespace
}  // namespace scenario
