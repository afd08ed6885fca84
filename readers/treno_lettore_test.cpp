#include "readers/treno_lettore.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/nomi_file.h"
#include "model/stato.h"
#include "readers/memorizza_dati.h"
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
  std::function<void(Compilatore&)> prepara;
  int32_t codice = 0;
  std::optional<int32_t> posizione;  // posizione_errore afterwards, when the code has one
  int riga = 0;                      // line of the train text the last record names
  std::function<void(const Compilatore&)> verifica;
};

// Reads each case's text with a line text still present too: only a reading
// failure (25) deletes that one, and the train text goes on every path.
void esegui(const std::vector<Caso>& casi) {
  for (const Caso& caso : casi) {
    SCOPED_TRACE(caso.nome);
    CartellaTemporanea cartella;
    Compilatore stato = test::dopo_la_linea();
    cartella.scrivi(test::nome_linea(stato), "x");
    if (caso.prepara) caso.prepara(stato);
    test::leggi_treno(stato, cartella, caso.testo);
    EXPECT_EQ(stato.codice_errore, caso.codice);
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
    EXPECT_FALSE(cartella.esiste(test::nome_treno(stato)));
    EXPECT_EQ(cartella.esiste(test::nome_linea(stato)), caso.codice != 25);
    if (caso.verifica) caso.verifica(stato);
  }
}

using test::descrizione_treno;

TEST(LettoreTreno, FaultCodes) {
  esegui({
      {"7: abbattimento on a signpost; the reading stops without the fills",
       descrizione_treno({"velocita,  0,  30", "abbattimento,  1000,  180", segnale(2450)}),
       [](Compilatore& s) { s.celle[20].tipo = kCartello; }, 7, 1000, 3,
       [](const Compilatore& s) {
         EXPECT_EQ(s.celle[20].tipo, kCartello);
         EXPECT_EQ(s.celle[50].tipo, kLibera);
         velocita(s, 0, 1900, 0);
       }},
      {"8: station off the 50 m grid", descrizione_treno({stazione(1025, 12, 600)}), nullptr, 8, 1025, 2,
       [](const Compilatore& s) {
         EXPECT_EQ(s.elementi[1].dato3, 1025);
         EXPECT_EQ(s.elementi[1].tipo, 0);
       }},
      {"9: station length off the 100 m grid", descrizione_treno({stazione(1000, 12, 650)}), nullptr, 9, 1000, 2,
       [](const Compilatore& s) {
         EXPECT_EQ(s.elementi[1].tipo, 12);
         EXPECT_EQ(s.elementi[1].dato1, 0);
       }},
      {"10 up front: no room left for a station row", descrizione_treno({stazione(1000, 12, 600)}),
       [](Compilatore& s) { s.prossimo_cartello = 1; }, 10, 0, 2,
       [](const Compilatore& s) { EXPECT_EQ(s.elementi[1].dato3, 0); }},
      {"15: speed line beyond the cell array; the fills still run",
       descrizione_treno({"velocita,  0,  30", "aderenza,  0,  100", "velocita,  94950,  60", segnale(1200)}),
       nullptr, 15, 94950, 4,
       [](const Compilatore& s) {
         velocita(s, 0, 1897, 6);
         velocita(s, 1898, 1900, 0);
         aderenza(s, 0, 1897, 100);
         aderenza(s, 1898, 1900, 0);
         EXPECT_EQ(s.celle[25].tipo, kLibera);
       }},
      {"15: station whose stop zone margin leaves the cell array", descrizione_treno({stazione(94250, 27, 300)}),
       nullptr, 15, 94250, 2, [](const Compilatore& s) { EXPECT_EQ(s.elementi[1].dato3, 94250); }},
      {"2 replaces a 15 and keeps its position",
       descrizione_treno({"velocita,  94950,  60"}), [](Compilatore& s) { s.elementi[81].dato1 = 1025; }, 2, 94950,
       0,
       [](const Compilatore& s) {
         EXPECT_EQ(s.guasti.back().file, "MilanoPGen-Alessandria_linea.txt");
         EXPECT_EQ(s.guasti.back().riga, 0);
       }},
      {"2 after a complete reading", descrizione_treno({"velocita,  0,  30"}),
       [](Compilatore& s) { s.elementi[83].dato2 = 16010; }, 2, std::nullopt, 0,
       [](const Compilatore& s) { velocita(s, 0, 1897, 6); }},
      {"16: signal on a stopping cell",
       descrizione_treno({"velocita,  0,  30", stazione(1000, 12, 600), segnale(1200)}), nullptr, 16, 1200, 4,
       [](const Compilatore& s) {
         EXPECT_EQ(s.celle[25].tipo, kStazione);
         EXPECT_EQ(s.celle[25].valore_a, 1);
         velocita(s, 0, 1900, 0);
       }},
      {"18: slowdown start on a signpost", descrizione_treno({"rallentamento,  20000,  60,  1000,  1,  1,  0"}),
       [](Compilatore& s) { s.celle[401].tipo = kCartello; }, 18, 20000, 2,
       [](const Compilatore& s) { EXPECT_EQ(s.celle[377].tipo, kLibera); }},
      {"22: stations out of order; the second one's cells are already written",
       descrizione_treno({stazione(5000, 12, 600), stazione(3000, 12, 600)}), nullptr, 22, 3000, 3,
       [](const Compilatore& s) {
         EXPECT_EQ(s.elementi[2].dato1, 2700);
         EXPECT_EQ(s.elementi[2].dato2, 3300);
         EXPECT_EQ(s.celle[65].tipo, kStazione);
         EXPECT_EQ(s.celle[65].valore_a, 2);
       }},
      {"22: a type 27 station is spaced too", descrizione_treno({stazione(0, 12, 800), stazione(600, 27, 300)}),
       nullptr, 22, 600, 3, nullptr},
      {"24: stopping cell on cell 0", descrizione_treno({stazione(0, 12, 100)}), nullptr, 24, 0, 2,
       [](const Compilatore& s) {
         EXPECT_EQ(s.elementi[1].dato1, -50);
         EXPECT_EQ(s.elementi[1].dato2, 50);
         for (size_t i = 0; i < 8; ++i) EXPECT_EQ(s.celle[i].tipo, kLibera) << i;
       }},
      {"25: the file ends inside a line's values", "[generale]\r\nvetture,  9\r\nvelocita,  100\r\n", nullptr, 25,
       std::nullopt, 3, [](const Compilatore& s) { EXPECT_EQ(s.elementi[84].dato3, 9); }},
      {"25: a number field holding letters", descrizione_treno({"vetture,  nove"}), nullptr, 25, std::nullopt, 2,
       nullptr},
      {"32: abbattimento before cell 0", descrizione_treno({"abbattimento,  -100,  180"}), nullptr, 32, -100, 2,
       nullptr},
      {"32: signal whose farthest mark would fall before cell 0", descrizione_treno({segnale(300)}), nullptr, 32,
       300, 2, [](const Compilatore& s) { EXPECT_EQ(s.celle[7].tipo, kLibera); }},
      {"32: stopping cell past the last cell, before any write",
       descrizione_treno({stazione(90000, 7, 8000)}), nullptr, 32, 90000, 2,
       [](const Compilatore& s) {
         EXPECT_EQ(s.elementi[1].dato1, 82000);
         EXPECT_EQ(s.elementi[1].dato2, 98000);
         for (const Cella& c : s.celle) ASSERT_EQ(c.avviso, 0);
       }},
      {"32 comes before 24: stopping cell before cell 0", descrizione_treno({stazione(-1000, 12, 100)}), nullptr,
       32, -1000, 2, nullptr},
  });
}

TEST(LettoreTreno, LineHalfEndedWithCode15) {
  auto dopo_15 = [](Compilatore& s) {
    s.file_corrente = "MilanoPGen-Alessandria_linea.txt";
    s.registra(15, 500);
  };
  esegui({
      {"the first signal is placed and ends the reading with its position",
       descrizione_treno({"velocita,  0,  30", segnale(1200), segnale(2450)}), dopo_15, 15, 1200, 0,
       [](const Compilatore& s) {
         EXPECT_EQ(s.celle[25].tipo, kSegnale);
         EXPECT_EQ(s.celle[50].tipo, kLibera);
         velocita(s, 0, 1900, 0);
         ASSERT_EQ(s.guasti.size(), 1u);  // the line half's fault keeps its own place
         EXPECT_EQ(s.guasti[0].posizione, 500);
       }},
      {"without signals or slowdowns the closing steps run", descrizione_treno({"velocita,  0,  30"}), dopo_15,
       15, 500, 0, [](const Compilatore& s) { velocita(s, 0, 1897, 6); }},
  });
}

TEST(LettoreTreno, ValuesThatDoNotFitTheirWidth) {
  const std::vector<std::string> righe = {
      "velocita,  0,  1300",                                               // 260 steps of 5 km/h
      "sabbia,  40000",                                                    // 16-bit
      "orologio,  -32769,  0,  0",                                         // 16-bit
      "vetture,  2147483648",                                              // 32-bit
      stazione(1000, 300, 600),                                            // type, 8-bit
      "stazione,  1000,  12,  600,  0,  0,  0,  40000,  1,  0,  4,  1,  1,  0,  0,  0,  0,   X",  // intero1
      "stazione,  1000,  12,  600,  0,  0,  0,  1,  1,  0,  4,  1,  1,  256,  0,  0,  0,   X",    // byte2
      "stazione,  1000,  12,  600,  0,  0,  0,  1,  1,  0,  4,  1,  1,  0,  600000,  0,  0,   X", // dato4
  };
  std::vector<Caso> casi;
  for (const std::string& riga : righe) casi.push_back({riga, descrizione_treno({riga}), nullptr, 25, {}, 2, {}});
  // The widest values that fit.
  casi.push_back({"limits", descrizione_treno({"velocita,  0,  1275", "sabbia,  32767", "orologio,  -32768,  0,  0"}),
                  nullptr, 0, {}, 0, [](const Compilatore& s) {
                    velocita(s, 0, 1897, 255);
                    EXPECT_EQ(s.elementi[86].intero1, 32767);
                    EXPECT_EQ(s.elementi[86].intero3, -32768);
                  }});
  esegui(casi);
}

TEST(LettoreTreno, KeysAndFields) {
  esegui({
      {"letter case does not matter",
       descrizione_treno({"NUMERO VETTURE,  9", "Percentuale Massa Frenata,  130", "VeLoCiTa,  0,  30"}), nullptr, 0,
       {}, 0,
       [](const Compilatore& s) {
         EXPECT_EQ(s.elementi[84].dato3, 9);
         EXPECT_EQ(s.elementi[84].dato1, 130);
         velocita(s, 0, 1897, 6);
       }},
      {"massa without frenata does nothing, and is reported",
       descrizione_treno({"percentuale massa,  130"}), nullptr, 0, {}, 2,
       [](const Compilatore& s) {
         EXPECT_EQ(s.elementi[84].dato1, 0);
         EXPECT_EQ(s.avvertimenti.size(), 2u);  // the key, then its value read as a key
       }},
      {"a line of dashes is passed over", descrizione_treno({"vetture,  5", "-----------", "sabbia,  300"}), nullptr,
       0, {}, 0,
       [](const Compilatore& s) {
         EXPECT_EQ(s.elementi[84].dato3, 5);
         EXPECT_EQ(s.elementi[86].intero1, 300);
         EXPECT_TRUE(s.avvertimenti.empty());
       }},
      {"a dash field holding a key word is a comment", descrizione_treno({"-- vetture,  9"}), nullptr, 0, {}, 0,
       [](const Compilatore& s) { EXPECT_EQ(s.elementi[84].dato3, 0); }},
      {"the third dash field in a row is the key", descrizione_treno({"-- a", "-- b", "-- vetture,  9"}), nullptr, 0,
       {}, 0, [](const Compilatore& s) { EXPECT_EQ(s.elementi[84].dato3, 9); }},
      {"a negative value is a value", descrizione_treno({"sabbia,  -5"}), nullptr, 0, {}, 0,
       [](const Compilatore& s) { EXPECT_EQ(s.elementi[86].intero1, -5); }},
      {"the clock's numbers are separated by blanks",
       descrizione_treno({"orologio,     17               59            40"}), nullptr, 0, {}, 0,
       [](const Compilatore& s) {
         EXPECT_EQ(s.elementi[86].intero3, 17);
         EXPECT_EQ(s.elementi[86].intero4, 59);
         EXPECT_EQ(s.elementi[86].intero5, 40);
       }},
      {"a field with two key words is handled twice", descrizione_treno({"velocita aderenza,  0,  30,  0,  100"}),
       nullptr, 0, {}, 0,
       [](const Compilatore& s) {
         velocita(s, 0, 1897, 6);
         aderenza(s, 0, 1897, 100);
       }},
      {"the last field is never acted on", "[generale]\r\nvetture,  9\r\nsabbia", nullptr, 0, {}, 0,
       [](const Compilatore& s) { EXPECT_EQ(s.elementi[84].dato3, 9); }},
      {"a file may end right after a line's values", "[generale]\r\nvetture,  9", nullptr, 0, {}, 0,
       [](const Compilatore& s) { EXPECT_EQ(s.elementi[84].dato3, 9); }},
      {"everything before [generale] is passed over", "vetture,  5\r\n[GENERALE]\r\nsabbia,  3\r\n[fine]\r\n",
       nullptr, 0, {}, 0,
       [](const Compilatore& s) {
         EXPECT_EQ(s.elementi[84].dato3, 0);
         EXPECT_EQ(s.elementi[86].intero1, 3);
       }},
      {"no [generale]: only the fills, with the initial values, and no fault",
       "velocita,  0,  30\r\n" + segnale(1200) + "\r\n[fine]\r\n",
       [](Compilatore& s) {
         for (Cella& c : s.celle) c.velocita = c.aderenza = 99;
       },
       0, {}, 0,
       [](const Compilatore& s) {
         velocita(s, 0, 1897, 0);
         velocita(s, 1898, 1900, 99);
         aderenza(s, 0, 1897, 0);
         EXPECT_EQ(s.celle[25].tipo, kLibera);
       }},
      {"an unknown key is reported with its line", descrizione_treno({"vetture,  9", "vettura,  3"}), nullptr, 0, {},
       3, [](const Compilatore& s) { EXPECT_EQ(s.avvertimenti.size(), 2u); }},
  });
}

TEST(LettoreTreno, SpeedAndAdhesion) {
  esegui({
      {"two speed lines 10 m apart",
       descrizione_treno({"velocita,  0,  30", "velocita,  1250,  90", "velocita,  1260,  100"}), nullptr, 0, {}, 0,
       [](const Compilatore& s) {
         velocita(s, 0, 24, 6);
         velocita(s, 25, 25, 18);
         velocita(s, 26, 1897, 20);
         velocita(s, 1898, 1900, 0);
       }},
      {"a first line at 0 writes no cell", descrizione_treno({"velocita,  0,  30", "velocita,  100,  60"}), nullptr, 0,
       {}, 0,
       [](const Compilatore& s) {
         velocita(s, 0, 1, 6);
         velocita(s, 2, 1897, 12);
       }},
      {"the last line where the fill writes one cell",
       descrizione_treno({"velocita,  0,  30", "velocita,  94900,  60"}),
       nullptr, 0, {}, 0,
       [](const Compilatore& s) {
         velocita(s, 0, 1897, 6);
         velocita(s, 1898, 1898, 12);
         velocita(s, 1899, 1900, 0);
       }},
      {"adhesion keeps its low 8 bits",
       descrizione_treno({"aderenza,  0,  100", "aderenza,  500,  300"}), nullptr, 0, {}, 0,
       [](const Compilatore& s) {
         aderenza(s, 0, 9, 100);
         aderenza(s, 10, 1897, 44);
       }},
      {"adhesion lines piled near the end stop at the last cell",
       descrizione_treno({"aderenza,  94900,  1", "aderenza,  94900,  2", "aderenza,  94900,  3",
                          "aderenza,  94900,  4", "aderenza,  94900,  5"}),
       nullptr, 0, {}, 0,
       [](const Compilatore& s) {
         aderenza(s, 1898, 1898, 1);
         aderenza(s, 1899, 1899, 2);
         aderenza(s, 1900, 1900, 5);  // the fill: the counter stood on the last cell
       }},
      {"a line out of order is reported", descrizione_treno({"velocita,  1000,  30", "velocita,  500,  60"}), nullptr,
       0, {}, 3,
       [](const Compilatore& s) {
         EXPECT_EQ(s.avvertimenti.size(), 1u);
         velocita(s, 0, 19, 0);
         velocita(s, 20, 20, 6);
         velocita(s, 21, 1897, 12);
       }},
      {"abbattimento",
       descrizione_treno({"abbattimento,  1000,  180", "abbattimento,  2000,  0", "abbattimento,  2500,  -3"}),
       [](Compilatore& s) { s.celle[40].tipo = kMarcaMontagna; }, 0, {}, 0,
       [](const Compilatore& s) {
         EXPECT_EQ(s.celle[20].tipo, kAbbattimento);
         EXPECT_EQ(s.celle[20].valore_a, 180);
         EXPECT_EQ(s.celle[40].tipo, kAbbattimentoNullo);
         EXPECT_EQ(s.celle[50].tipo, kAbbattimentoNullo);
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
      {"first station, type 12 at 0 m, 800 m long", descrizione_treno({stazione(0, 12, 800)}), nullptr, 0, {}, 0,
       [](const Compilatore& s) {
         EXPECT_EQ(s.elementi[1].dato1, -400);
         EXPECT_EQ(s.elementi[1].dato2, 400);
         fermata(s, 7, 1);
       }},
      {"first station with value 6 = 1: 50 m longer, yet row 1 keeps 0 in byte3 and byte4",
       descrizione_treno({stazione(0, 12, 800, 7, 1)}), nullptr, 0, {}, 0,
       [](const Compilatore& s) {
         EXPECT_EQ(s.elementi[1].dato2, 450);
         fermata(s, 8, 1);
         EXPECT_EQ(s.elementi[1].byte3, 0);
         EXPECT_EQ(s.elementi[1].byte4, 0);
       }},
      {"type 12 at 5700 m after a station of type 27",
       descrizione_treno({stazione(0, 27, 100), stazione(5700, 12, 600, 7, 1)}), nullptr, 0, {}, 0,
       [](const Compilatore& s) {
         for (size_t i = 0; i < 4; ++i) EXPECT_EQ(s.celle[i].tipo, kLibera);  // type 27 marks nothing
         EXPECT_EQ(s.elementi[2].dato1, 5400);
         EXPECT_EQ(s.elementi[2].dato2, 6050);
         fermata(s, 120, 2);
         EXPECT_EQ(s.elementi[2].byte3, 1);
         EXPECT_EQ(s.elementi[2].byte4, 7);
       }},
      {"type 5: stop zone to 150 m past the position, no marks",
       descrizione_treno({stazione(0, 27, 100), stazione(3000, 5, 600, 7, 1)}), nullptr, 0, {}, 0,
       [](const Compilatore& s) {
         EXPECT_EQ(s.elementi[2].dato1, 2400);
         EXPECT_EQ(s.elementi[2].dato2, 3150);
         EXPECT_EQ(s.celle[62].tipo, kStazione);
         for (size_t i = 58; i < 62; ++i) EXPECT_EQ(s.celle[i].avviso, 0) << i;
         EXPECT_EQ(s.elementi[2].byte3, 0);
       }},
      {"type 8 reaches its length on both sides", descrizione_treno({stazione(0, 27, 100), stazione(5000, 8, 300)}),
       nullptr, 0, {}, 0,
       [](const Compilatore& s) {
         EXPECT_EQ(s.elementi[2].dato1, 4700);
         EXPECT_EQ(s.elementi[2].dato2, 5300);
         fermata(s, 105, 2);
       }},
      {"a station shorter than 600 m keeps 0 in byte4",
       descrizione_treno({stazione(0, 27, 100), stazione(5000, 12, 500, 7)}), nullptr, 0, {}, 0,
       [](const Compilatore& s) { EXPECT_EQ(s.elementi[2].byte4, 0); }},
      {"values 4 to 17 in their fields",
       descrizione_treno({stazione(0, 27, 100),
                          "stazione,  5000,  12,  600,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10,  18,  15,  0,    "
                          "ABBIATEGRASSO  "}),
       nullptr, 0, {}, 0,
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
      {"a later signal replaces a station's marks, and this is reported",
       descrizione_treno({stazione(5700, 12, 600), segnale(5950)}), nullptr, 0, {}, 3,
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
    CartellaTemporanea cartella;
    Compilatore stato = test::dopo_la_linea();
    stato.prossimo_cartello = kPrimoCartello - cartelli;
    for (int r = 0; r < cartelli; ++r) stato.elementi[static_cast<size_t>(kPrimoCartello - r)].testo = "cartello";
    std::string testo = "[generale]\r\n";
    for (int i = 1; i <= 80; ++i) testo += stazione(1000 * i, 27, 100) + "\r\n";
    test::leggi_treno(stato, cartella, testo + "[fine]\r\n");

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

TEST(LettoreTreno, MissingTrainTextIsAReadingFailure) {
  CartellaTemporanea cartella;
  Compilatore stato = test::dopo_la_linea();
  cartella.scrivi(test::nome_linea(stato), "x");
  memorizza_treno(stato, NomiFile(cartella.percorso(), stato.nome_linea, stato.numero_treno));
  EXPECT_EQ(stato.codice_errore, 25);
  EXPECT_EQ(stato.guasti.back().file, "MilanoPGen-Alessandria_2635-.txt");
  EXPECT_FALSE(cartella.esiste(test::nome_linea(stato)));
  velocita(stato, 0, 1900, 0);
}

}  // namespace
}  // namespace scenario
