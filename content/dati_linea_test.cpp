#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "content/documenti.h"
#include "content/lista_righe.h"
#include "model/scenario.h"
#include "model/stato.h"
#include "readers/linea_lettore.h"
#include "tests/cartella_temporanea.h"
#include "tests/documento_scritto.h"
#include "tests/linea_di_prova.h"

namespace scenario {
namespace {

constexpr const char* kNomeFile = "MilanoPGen-Alessandria_linea.txt";

// The state the run driver sets up before the compile step reads.
Compilatore stato_iniziale() {
  Compilatore stato = test::stato_scenario();
  stato.azzera(1);
  return stato;
}

TEST(DatiLinea, TheFile) {
  test::CartellaTemporanea cartella;
  const NomiFile nomi = test::nomi_documenti(cartella.percorso());
  ASSERT_TRUE(dati_linea(nomi).ok());
  ASSERT_TRUE(dati_linea(nomi).ok());  // a second run replaces the file
  std::vector<std::string> righe;
  ASSERT_TRUE(test::dividi_righe(cartella.leggi(kNomeFile), &righe));
  ASSERT_EQ(righe.size(), 149u);

  // The headings where the blocks' sizes put them: 8 general lines, 37
  // curves, 25 gradients, 1 mountain, 10 indicator lines, 61 signposts.
  const std::vector<std::pair<size_t, std::string>> intestazioni = {
      {0, "[generale]"}, {9, "[curve]"}, {47, "[pendenze]"}, {73, "[montagne]"},
      {75, "[cartelli]"}, {86, "[indicazioni]"}, {148, "[fine]"},
  };
  for (const auto& [indice, testo] : intestazioni) EXPECT_EQ(righe[indice], testo) << indice;

  const std::vector<std::pair<size_t, std::string>> campioni = {
      {1, "lunghezza percorso,  88000"},
      {8, "ripetizione segnali 4 codici,  0,  0"},
      {10, "curvad6,  100,  400"},
      {46, "curvad4,  84250,  950"},
      {48, "pendenza,  16050,  2"},
      {50, "pendenza,  19300,  -4"},
      {72, "pendenza,  85200,  0"},
      {74, "montagna,  75650,  78000,  11"},
      {76, "indicatori_vmax,  1250,  90,  90,  90,  0,    ,    ,    ,  0"},
      {78, "indicatori_vmax,  18500,  100,  105,  105,  2,  ,  ,  ,  0"},
      {85, "indicatori_vmax,  84100,  75,  80,  80,  0,    ,    ,    ,  0"},
      {87, "cartello_indicatore,  1300,     (   P.L.  )(km 6+532)"},
      {91, "cartello_indicatore,  7550,     ( Avviso fermata )(    Trezzano)(      / /)"},
      {147, "cartello_indicatore,  84600,     (Fiume )(TANARO)"},
  };
  for (const auto& [indice, testo] : campioni) EXPECT_EQ(righe[indice], testo) << indice;
}

// The scenario's description, as the writer lays it out, compiled by the line
// reader.
TEST(DatiLinea, Compiled) {
  Compilatore stato = stato_iniziale();
  EXPECT_TRUE(leggi_testo_linea(stato, kNomeFile, ListaRighe(righe_linea()).testo()));
  EXPECT_EQ(stato.codice_errore, 0);
  EXPECT_TRUE(stato.guasti.empty());

  // Sizes: a 95000 m plan and cells 0 to 1900.
  EXPECT_EQ(stato.elementi[84].dato2, 88000);
  EXPECT_EQ(stato.lunghezza_tracciato, 95000);
  EXPECT_EQ(stato.ultima_cella, 1900);
  ASSERT_EQ(stato.celle.size(), 1901u);
  ASSERT_EQ(stato.tracciato.x.size(), 95001u);

  // General section.
  auto terna = [&](size_t r) {
    return std::array<int32_t, 3>{stato.elementi[r].dato1, stato.elementi[r].dato2, stato.elementi[r].dato3};
  };
  EXPECT_EQ(terna(81), (std::array<int32_t, 3>{44400, 86800, 1}));
  EXPECT_EQ(terna(82), (std::array<int32_t, 3>{31700, 44500, 1}));
  EXPECT_EQ(terna(83), (std::array<int32_t, 3>{0, 5200, 0}));
  EXPECT_EQ(terna(85), (std::array<int32_t, 3>{1, 0, 0}));
  EXPECT_EQ(terna(86), (std::array<int32_t, 3>{0, 0, 0}));

  // Gradients: level to cell 320, 2 per mille from 321 (16050 / 50), the 24th
  // entry (5 per mille) over cells 1692 to 1703, the last one (0) to 1897.
  EXPECT_EQ(stato.celle[320].pendenza, 100);
  EXPECT_EQ(stato.celle[321].pendenza, 102);
  EXPECT_EQ(stato.celle[375].pendenza, 102);
  EXPECT_EQ(stato.celle[376].pendenza, 105);
  EXPECT_EQ(stato.celle[386].pendenza, 96);  // 19300 / 50: -4
  EXPECT_EQ(stato.celle[1691].pendenza, 100);
  EXPECT_EQ(stato.celle[1692].pendenza, 105);
  EXPECT_EQ(stato.celle[1703].pendenza, 105);
  EXPECT_EQ(stato.celle[1704].pendenza, 100);
  EXPECT_EQ(stato.celle[1897].pendenza, 100);
  for (size_t i : {1898u, 1899u, 1900u}) EXPECT_EQ(stato.celle[i].pendenza, 0) << i;

  // The mountain section: cells 1513 to 1559, marks on 1516, 1520 ... 1556.
  EXPECT_EQ(stato.celle[1512].montagna, 0);
  EXPECT_EQ(stato.celle[1560].montagna, 0);
  for (size_t i = 1513; i <= 1559; ++i) {
    EXPECT_EQ(stato.celle[i].montagna, 1) << i;
    EXPECT_EQ(stato.celle[i].tipo, (i - 1513 + 1) % 4 == 0 ? kMarcaMontagna : kLibera) << i;
  }

  // Indicators.
  EXPECT_EQ(stato.celle[26].tipo, kIndicatoriVMax);
  EXPECT_EQ(stato.celle[26].valore_a, 1800);
  EXPECT_EQ(stato.celle[371].valore_b, 2100);
  EXPECT_EQ(stato.celle[371].valore_d, 20);

  // Signposts in rows 80 down to 20.
  EXPECT_EQ(stato.elementi[80].testo, "(   P.L.  )(km 6+532)");
  EXPECT_EQ(stato.elementi[20].testo, "(Fiume )(TANARO)");
  EXPECT_EQ(stato.elementi[19].testo, "");
  EXPECT_EQ(stato.prossimo_cartello, 19);
  EXPECT_EQ(stato.celle[27].tipo, kCartello);
  EXPECT_EQ(stato.celle[27].valore_a, 80);
  EXPECT_EQ(stato.celle[1693].valore_a, 20);  // 84600 / 50 + 1

  // The plan: seeds, the first curve, and the last two rows empty.
  const Tracciato& t = stato.tracciato;
  EXPECT_EQ(t.y[1].tag, TagPunto::kIntero);
  EXPECT_EQ(test::bit(t.x[101].reale), test::bit(0.003));  // (0 + 0) + k * 1: k itself
  EXPECT_EQ(t.x[94998].tag, TagPunto::kReale);
  for (size_t c : {94999u, 95000u}) {
    EXPECT_EQ(t.x[c].tag, TagPunto::kVuoto);
    EXPECT_EQ(t.y[c].tag, TagPunto::kVuoto);
  }

  // The one warning: the last curve lies inside the one before
  // (84250 + 950 = 83800 + 1400).
  ASSERT_EQ(stato.avvertimenti.size(), 1u);
  EXPECT_EQ(stato.avvertimenti[0].testo,
            "curve at 84250 m, 950 m long, has no effect: the plan is already drawn up to metre 85200");
  EXPECT_EQ(stato.avvertimenti[0].riga, 47);
}

}  // namespace
}  // namespace scenario
