// The layout pass on cells placed by the readers from description texts: the
// markers land where the placement rules and the pass's rules together put
// them, and no other cell takes a type.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "content/documenti.h"
#include "content/lista_righe.h"
#include "layout/completa_percorso.h"
#include "layout/passata.h"
#include "model/file_compilati.h"
#include "model/stato.h"
#include "readers/linea_lettore.h"
#include "readers/treno_lettore.h"
#include "tests/documento_scritto.h"
#include "tests/linea_di_prova.h"
#include "tests/treno_prova.h"

namespace scenario {
namespace {

// A cell as the compile step leaves it: its type and value A.
struct Attesa {
  int32_t cella;
  uint8_t tipo;
  int16_t valore_a;
};

Attesa segnale(int32_t k) { return {k, kSegnale, 40}; }  // s1 4, d1 0: 10 x 4 + 0
Attesa marca(int32_t k) { return {k, kAbbattimento, 180}; }

struct Caso {
  std::string nome;
  std::string treno;          // the train description
  std::vector<Attesa> celle;  // every cell with a type; all others stay free
};

// A line of 10000 m: 17000 m of plan, cells 0 to 340, nothing on them.
constexpr int kLunghezzaLinea = 10000;

// Every signal has sx 1, s1 4, s2 1 and no other setting.
std::string riga_segnale(int posizione) {
  return "segnale,  " + std::to_string(posizione) + ",  1,  4,  1,  0,  0,  0,  0,  0,  0,  0";
}

// The cell of a position p is p / 50 + 1 for signals and slowdowns, p / 50 for
// an abbattimento line. A slowdown at x with length l: start s = x / 50 + 1,
// end e = (x + l) / 50 + 1, warning w = (x - 1200) / 50 + 1, pre-warnings
// h = w - 1 down to h - 3 carrying 1 to 4. The start, end and warning carry
// the speed in valore_a.
const std::vector<Caso>& casi() {
  static const std::vector<Caso> tabella = {
      // Slowdown at 6000 m, 60 km/h, 1000 m, f_ta 1: s 121, e 141, w 97,
      // pre-warnings 96 to 93.
      // Look-back from w 97 covers cells 96 down to 77: the signal at 3800 m
      // (cell 77, 20 cells back) gets its marker on 76; the one at 3700 m
      // (cell 75, 22 back) is out of reach and cell 74 stays free.
      // Windows from s 121: 116, 110, 103 (first cell of each, all free).
      // Walk at 60 < 110: markers at 121 + 8 = 129 and 129 + 8 = 137; the end
      // 141 comes at step 4 after that.
      // Look-forward from 141 to 153: the signal at 7600 m, 600 m after the
      // end, is cell 153; its marker goes on 152.
      {"slow slowdown between signals",
       test::descrizione_treno({riga_segnale(3700), riga_segnale(3800),
                                "rallentamento,  6000,  60,  1000,  1,  1,  0", riga_segnale(7600)}),
       {segnale(75),
        segnale(77),
        marca(76),
        {93, kPreavvisoRallentamento, 4},
        {94, kPreavvisoRallentamento, 3},
        {95, kPreavvisoRallentamento, 2},
        {96, kPreavvisoRallentamento, 1},
        {97, kAvvisoRallentamento, 60},
        marca(103),
        marca(110),
        marca(116),
        {121, kInizioRallentamento, 60},
        marca(129),
        marca(137),
        {141, kFineRallentamento, 60},
        marca(152),
        segnale(153)}},

      // Slowdown at 6000 m, 110 km/h, 500 m, f_ta 0: s 121, e 131, w 97, no
      // pre-warning.
      // The signal at 4500 m is cell 91; the abbattimento lines at 4500 m and
      // 4450 m take cells 90 (250) and 89 (60). Look-back from 97 meets 91 at
      // 6 back: 90 and 89 are both taken, so 90 is lowered to 180 and 89
      // keeps its 60.
      // Windows from 121: 116, 110, 103.
      // 110 is not below 110: no walk markers (129 stays free).
      // Look-forward from its own end 131 to 143: the signal at 6900 m is cell
      // 139, marker on 138.
      {"fast slowdown after a signal with abbattimento cells before it",
       test::descrizione_treno({riga_segnale(4500), "abbattimento,  4500,  250", "abbattimento,  4450,  60",
                                "rallentamento,  6000,  110,  500,  1,  0,  0", riga_segnale(6900)}),
       {{89, kAbbattimento, 60},
        {90, kAbbattimento, 180},
        segnale(91),
        {97, kAvvisoRallentamento, 110},
        marca(103),
        marca(110),
        marca(116),
        {121, kInizioRallentamento, 110},
        {131, kFineRallentamento, 110},
        marca(138),
        segnale(139)}},
  };
  return tabella;
}

// Reads both texts and runs compile steps 4 to 6 on them.
TEST(PassataDescrizioni, MarkersWhereTheRulesPutThem) {
  for (const Caso& caso : casi()) {
    SCOPED_TRACE(caso.nome);
    Compilatore stato = test::stato_scenario();
    stato.azzera(1);
    ASSERT_TRUE(leggi_testo_linea(stato, "linea.txt", test::descrizione({}, kLunghezzaLinea)));
    ASSERT_TRUE(leggi_testo_treno(stato, "treno.txt", caso.treno));
    ASSERT_EQ(completa_percorso(stato), 0);
    EXPECT_EQ(stato.codice_errore, 0);
    EXPECT_TRUE(stato.guasti.empty());
    ASSERT_EQ(stato.ultima_cella, 340);

    std::vector<Attesa> attese(stato.celle.size(), Attesa{0, kLibera, 0});
    for (const Attesa& a : caso.celle) attese.at(static_cast<size_t>(a.cella)) = a;
    for (size_t k = 0; k < stato.celle.size(); ++k) {
      EXPECT_EQ(static_cast<int>(stato.celle[k].tipo), static_cast<int>(attese[k].tipo)) << "cell " << k;
      if (attese[k].tipo != kLibera) {
        EXPECT_EQ(stato.celle[k].valore_a, attese[k].valore_a) << "cell " << k;
      }
    }
  }
}

// The scenario has no slowdown: no warning board and no start for the pass to
// act on, so it leaves every cell exactly as the readers placed it.
TEST(PassataDescrizioni, TheScenarioIsLeftAsRead) {
  Compilatore stato = test::stato_scenario();
  stato.azzera(1);
  ASSERT_TRUE(leggi_testo_linea(stato, "linea.txt", ListaRighe(righe_linea()).testo()));
  ASSERT_TRUE(leggi_testo_treno(stato, "treno.txt", ListaRighe(righe_treno()).testo()));
  ASSERT_EQ(stato.codice_errore, 0);
  ASSERT_EQ(stato.ultima_cella, 1900);
  ASSERT_EQ(stato.celle[25].tipo, kSegnale);  // the first signal, at 1200 m: the texts were read

  const std::vector<Cella> lette = stato.celle;
  const size_t guasti = stato.guasti.size();
  passata_layout(stato);
  EXPECT_EQ(stato.guasti.size(), guasti);
  ASSERT_EQ(stato.celle.size(), lette.size());
  for (size_t k = 0; k < lette.size(); ++k) {
    EXPECT_EQ(static_cast<int>(stato.celle[k].tipo), static_cast<int>(lette[k].tipo)) << "cell " << k;
    EXPECT_EQ(stato.celle[k].valore_a, lette[k].valore_a) << "cell " << k;
  }
  EXPECT_TRUE(codifica_celle(stato.celle) == codifica_celle(lette));
}

}  // namespace
}  // namespace scenario
