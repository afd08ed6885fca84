#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/linea_di_prova.h"

namespace scenario {
namespace {

using test::LineaDiProva;

struct TrattoPendenza {
  int prima;
  int ultima;
  uint8_t pendenza;
};

// The gradient profile over all cells of an 88000 m line (0 to 1900), as runs
// of equal cells. Cells before the first entry are level (100), the last
// gradient runs to cell 1897, and the last three cells keep 0.
TEST(Pendenze, Profile) {
  struct Caso {
    std::string nome;
    std::vector<const char*> voci;
    std::vector<TrattoPendenza> profilo;
  };
  const std::vector<Caso> casi = {
      {.nome = "none", .voci = {}, .profilo = {{0, 1897, 100}, {1898, 1900, 0}}},
      {.nome = "one", .voci = {"pendenza,  500,  -4"}, .profilo = {{0, 9, 100}, {10, 1897, 96}, {1898, 1900, 0}}},
      {.nome = "two",
       .voci = {"pendenza,  500,  -4", "Pendenza,  1000,  6"},
       .profilo = {{0, 9, 100}, {10, 19, 96}, {20, 1897, 106}, {1898, 1900, 0}}},
      // The second entry still writes one cell at the cursor with the first
      // entry's gradient; its own starts one cell later.
      {.nome = "two in one cell",
       .voci = {"pendenza,  1000,  5", "pendenza,  1010,  7"},
       .profilo = {{0, 19, 100}, {20, 20, 105}, {21, 1897, 107}, {1898, 1900, 0}}},
      // 75 / 50 = 1.5 -> 2 and 125 / 50 = 2.5 -> 2.
      {.nome = "half up to even",
       .voci = {"pendenza,  75,  3"},
       .profilo = {{0, 1, 100}, {2, 1897, 103}, {1898, 1900, 0}}},
      {.nome = "half down to even",
       .voci = {"pendenza,  125,  3"},
       .profilo = {{0, 1, 100}, {2, 1897, 103}, {1898, 1900, 0}}},
      // Cell 0 or before: no cell is written, only the gradient changes.
      {.nome = "at cell 0", .voci = {"pendenza,  25,  3"}, .profilo = {{0, 1897, 103}, {1898, 1900, 0}}},
      {.nome = "before the line", .voci = {"pendenza,  -500,  3"}, .profilo = {{0, 1897, 103}, {1898, 1900, 0}}},
      // Low 8 bits of the gradient plus 100.
      {.nome = "steep", .voci = {"pendenza,  50,  200"}, .profilo = {{0, 0, 100}, {1, 1897, 44}, {1898, 1900, 0}}},
  };
  for (const Caso& caso : casi) {
    LineaDiProva prova;
    std::string testo = test::generale();
    for (const char* voce : caso.voci) testo += std::string(voce) + "\r\n";
    EXPECT_TRUE(prova.leggi(testo + "[fine]\r\n")) << caso.nome;
    ASSERT_EQ(prova.stato.celle.size(), 1901u);
    for (const TrattoPendenza& t : caso.profilo) {
      for (int i = t.prima; i <= t.ultima; ++i) {
        ASSERT_EQ(prova.stato.celle[static_cast<size_t>(i)].pendenza, t.pendenza) << caso.nome << " cell " << i;
      }
    }
  }
}

// Entries crowded at the end of a short line push the cursor to the last cell
// and one beyond it. Then the tail has nothing left to write, and one more
// entry is refused (code 30) rather than written outside the cells.
TEST(Pendenze, CrowdedEntriesStayInsideTheCells) {
  const std::string voci = "pendenza,  6900,  1\r\npendenza,  6900,  2\r\npendenza,  6900,  3\r\npendenza,  6900,  4\r\n";
  LineaDiProva prova;
  EXPECT_TRUE(prova.leggi(test::generale(0) + voci + "[fine]\r\n"));  // cells 0 to 140
  const Compilatore& stato = prova.stato;
  EXPECT_EQ(stato.codice_errore, 0);
  ASSERT_EQ(stato.celle.size(), 141u);
  EXPECT_EQ(stato.celle[137].pendenza, 100);
  EXPECT_EQ(stato.celle[138].pendenza, 101);
  EXPECT_EQ(stato.celle[139].pendenza, 102);
  EXPECT_EQ(stato.celle[140].pendenza, 103);

  LineaDiProva troppe;
  EXPECT_FALSE(troppe.leggi(test::generale(0) + voci + "pendenza,  6900,  5\r\n[fine]\r\n"));
  EXPECT_EQ(troppe.stato.codice_errore, 30);
  EXPECT_EQ(troppe.stato.posizione_errore, 6900);
  EXPECT_EQ(troppe.stato.celle[140].pendenza, 103);
}

}  // namespace
}  // namespace scenario
