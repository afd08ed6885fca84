#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "content/documenti.h"
#include "content/lista_righe.h"
#include "model/stato.h"
#include "tests/cartella_temporanea.h"
#include "tests/documento_scritto.h"
#include "tests/treno_prova.h"

namespace scenario {
namespace {

using test::CartellaTemporanea;

TEST(DatiTreno, WritesTheSeventyLines) {
  CartellaTemporanea cartella;
  Compilatore stato = test::dopo_la_linea();
  cartella.scrivi(test::nome_treno(stato), std::string(5000, 'x'));  // an older, longer file
  ASSERT_TRUE(dati_treno(test::nomi_documenti(cartella.percorso())).ok());
  std::vector<std::string> righe;
  ASSERT_TRUE(test::dividi_righe(cartella.leggi("MilanoPGen-Alessandria_2635-.txt"), &righe));
  ASSERT_EQ(righe.size(), 70u);
  EXPECT_EQ(righe[0], "[generale]");
  EXPECT_EQ(righe[4], "orologio," + std::string(5, ' ') + "17" + std::string(15, ' ') + "59" +
                          std::string(12, ' ') + "40");
  EXPECT_EQ(righe[8], "velocita,  0,  30");
  EXPECT_EQ(righe[18],
            "stazione,  0,  12,  800,  0,  0,  0,  1,  1,  0,  4,  1,  1,  1,  18,  0,  0,   MILANO P.GENOVA");
  EXPECT_EQ(righe[36], "segnale,  1200,  1,  4,  1,  0,  0,  0,  0,  0,  0,  0");
  EXPECT_EQ(righe[69], "[fine]");
  for (const std::string& riga : righe) {
    EXPECT_FALSE(riga.empty());
    EXPECT_NE(riga.front(), ' ') << riga;
    EXPECT_NE(riga.back(), ' ') << riga;
    EXPECT_EQ(riga.find("riferimento fine del file"), std::string::npos);
  }
}

// Part of the scenario's train as the compiler reads it: the station table of
// the scenario's timetable.
struct Fermata {
  const char* nome;
  int32_t dato1, dato2;
  int cella;  // 0: the type marks no cell
  int32_t dato4;
};
constexpr Fermata kFermate[] = {
    {"MILANO P.GENOVA", -400, 400, 7, 64800},     {"MILANO S.CRISTOFORO", 3100, 3700, 73, 0},
    {"CORSICO", 5400, 6050, 120, 0},              {"TREZZANO", 8600, 8900, 0, 0},
    {"GAGGIANO", 11850, 12500, 249, 0},           {"ABBIATEGRASSO", 21000, 21650, 432, 65700},
    {"VIGEVANO", 31450, 31950, 638, 66180},       {"PARONA", 38800, 39450, 788, 0},
    {"MORTARA", 44100, 44700, 893, 66900},        {"OLEVANO", 49000, 49300, 0, 0},
    {"VALLE LOMELLINA", 56100, 56400, 0, 0},      {"SARTIRANA", 60500, 60900, 1217, 0},
    {"TORREBERETTI", 66150, 66650, 1332, 0},      {"VALENZA", 72550, 73050, 1460, 67860},
    {"VALMADONNA", 78500, 78800, 0, 0},           {"ALESSANDRIA", 86350, 87050, 1740, 68520},
};

// The signals: cell, packed values and the first of their four marks.
struct CellaSegnale {
  size_t cella;
  int16_t a, b, c, d;
  uint8_t avviso;
};
constexpr CellaSegnale kSegnali[] = {
    {25, 40, 10, 0, 3, 31},    {50, 40, 10, 0, 6, 61},    {95, 40, 10, 0, 6, 61},    {204, 40, 10, 0, 3, 31},
    {228, 40, 10, 0, 6, 61},   {388, 50, 10, 0, 3, 31},   {413, 30, 10, 0, 6, 61},   {586, 40, 10, 0, 3, 31},
    {610, 30, 10, 0, 6, 61},   {743, 40, 10, 0, 3, 31},   {767, 40, 10, 0, 6, 61},   {839, 50, 60, 0, 3, 31},
    {864, 20, 30, 0, 16, 61},  {946, 40, 0, 0, 3, 31},    {973, 40, 0, 0, 6, 61},    {1075, 40, 0, 0, 3, 31},
    {1102, 40, 0, 0, 6, 61},   {1128, 40, 0, 0, 6, 61},   {1173, 40, 0, 0, 3, 31},   {1197, 40, 0, 0, 6, 61},
    {1283, 40, 10, 0, 3, 31},  {1308, 40, 10, 0, 6, 61},  {1413, 40, 10, 0, 3, 31},  {1438, 30, 10, 0, 6, 61},
    {1481, 40, 10, 0, 3, 31},  {1508, 40, 0, 0, 6, 61},   {1543, 40, 0, 0, 3, 31},   {1570, 40, 0, 0, 6, 61},
    {1614, 40, 0, 0, 3, 31},   {1639, 40, 0, 0, 6, 61},   {1677, 53, 61, 0, 4, 41},  {1704, 22, 31, 11, 8, 81},
};

// Speed limits in steps of 5 km/h, by ranges of cells.
struct TrattoVelocita {
  size_t da, a;
  uint8_t velocita;
};
constexpr TrattoVelocita kVelocita[] = {
    {0, 24, 6},     {25, 81, 18},    {82, 391, 26},    {392, 433, 20},  {434, 873, 26},
    {874, 907, 12}, {908, 1703, 25}, {1704, 1897, 15}, {1898, 1900, 0},
};

class DatiTrenoLetti : public ::testing::Test {
 protected:
  void SetUp() override {
    stato_ = test::dopo_la_linea();
    // What the line half leaves: 61 signposts, the 49th at 66550 m in cell 1332.
    stato_.prossimo_cartello = 19;
    stato_.celle[1332].tipo = kCartello;
    stato_.celle[1332].valore_a = 32;
    // The description as the writer lays it out.
    ASSERT_TRUE(test::leggi_treno(stato_, ListaRighe(righe_treno()).testo()));
  }

  Compilatore stato_;
};

TEST_F(DatiTrenoLetti, NoFaultAndOneWarning) {
  EXPECT_EQ(stato_.codice_errore, 0);
  EXPECT_TRUE(stato_.guasti.empty());
  // The only warning: TORREBERETTI's stopping cell takes the signpost's cell.
  ASSERT_EQ(stato_.avvertimenti.size(), 1u);
  EXPECT_NE(stato_.avvertimenti[0].testo.find("TORREBERETTI"), std::string::npos);
}

TEST_F(DatiTrenoLetti, GeneralValues) {
  EXPECT_EQ(stato_.elementi[84].dato1, 130);
  EXPECT_EQ(stato_.elementi[84].dato2, 88000);
  EXPECT_EQ(stato_.elementi[84].dato3, 9);
  EXPECT_EQ(stato_.elementi[86].intero1, 300);
  EXPECT_EQ(stato_.elementi[86].intero3, 17);
  EXPECT_EQ(stato_.elementi[86].intero4, 59);
  EXPECT_EQ(stato_.elementi[86].intero5, 40);
}

TEST_F(DatiTrenoLetti, Stations) {
  for (size_t k = 1; k <= 16; ++k) {
    const Fermata& f = kFermate[k - 1];
    const Elemento& riga = stato_.elementi[k];
    SCOPED_TRACE(f.nome);
    EXPECT_EQ(riga.testo, f.nome);
    EXPECT_EQ(riga.dato1, f.dato1);
    EXPECT_EQ(riga.dato2, f.dato2);
    EXPECT_EQ(riga.dato4, f.dato4);
    if (f.cella == 0) continue;
    const auto cella = static_cast<size_t>(f.cella);
    EXPECT_EQ(stato_.celle[cella].tipo, kStazione);
    EXPECT_EQ(stato_.celle[cella].valore_a, static_cast<int16_t>(k));
    for (size_t j = 1; j <= 4; ++j) EXPECT_EQ(stato_.celle[cella - j].avviso, 80 + j);
  }
  EXPECT_EQ(stato_.elementi[17].dato3, 0);
  int fermate = 0;
  for (const Cella& c : stato_.celle) fermate += c.tipo == kStazione;
  EXPECT_EQ(fermate, 12);
}

TEST_F(DatiTrenoLetti, Signals) {
  for (const CellaSegnale& s : kSegnali) {
    SCOPED_TRACE(s.cella);
    const Cella& c = stato_.celle[s.cella];
    EXPECT_EQ(c.tipo, kSegnale);
    EXPECT_EQ(c.valore_a, s.a);
    EXPECT_EQ(c.valore_b, s.b);
    EXPECT_EQ(c.valore_c, s.c);
    EXPECT_EQ(c.valore_d, s.d);
    EXPECT_EQ(c.tempo, 0);
    for (size_t j = 1; j <= 4; ++j) EXPECT_EQ(stato_.celle[s.cella - 2 * j].avviso, s.avviso + j - 1);
  }
  int segnali = 0, altri = 0;
  for (const Cella& c : stato_.celle) {
    segnali += c.tipo == kSegnale;
    altri += c.tipo != kSegnale && c.tipo != kStazione && c.tipo != kLibera;
  }
  EXPECT_EQ(segnali, 32);
  EXPECT_EQ(altri, 0);  // no slowdown, no abbattimento
}

TEST_F(DatiTrenoLetti, SpeedAndAdhesion) {
  for (const TrattoVelocita& t : kVelocita) {
    for (size_t i = t.da; i <= t.a; ++i) ASSERT_EQ(stato_.celle[i].velocita, t.velocita) << "cella " << i;
  }
  for (size_t i = 0; i <= 1900; ++i) ASSERT_EQ(stato_.celle[i].aderenza, i <= 1897 ? 100 : 0) << "cella " << i;
}

}  // namespace
}  // namespace scenario
