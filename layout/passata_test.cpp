#include "layout/passata.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "model/stato.h"

namespace scenario {
namespace {

// One cell as a case sets it before the pass or expects it after.
struct Posa {
  int32_t cella;
  uint8_t tipo;
  int16_t valore_a = 0;
};

Posa segnale(int32_t k) { return {k, kSegnale}; }
Posa avviso(int32_t k) { return {k, kAvvisoRallentamento, 60}; }
Posa inizio(int32_t k, int16_t velocita) { return {k, kInizioRallentamento, velocita}; }
Posa fine(int32_t k) { return {k, kFineRallentamento, 60}; }
Posa occupata(int32_t k) { return {k, kCartello, 1}; }
Posa montagna(int32_t k) { return {k, kMarcaMontagna}; }
Posa abbattimento(int32_t k, int16_t valore) { return {k, kAbbattimento, valore}; }
Posa marca(int32_t k) { return abbattimento(k, 180); }

using Guasti = std::vector<std::pair<int32_t, int32_t>>;  // code, position

struct Caso {
  std::string nome;
  std::vector<Posa> prima = {};  // cells set before the pass
  std::vector<Posa> dopo = {};   // the cells the pass changes, as they end up
  Guasti guasti = {};
  int32_t ultima = 59;           // below 59 the cells past it are bait that must stay untouched
};

Compilatore con_celle(size_t numero, int32_t ultima, const std::vector<Posa>& posate) {
  Compilatore stato;
  stato.celle.resize(numero);
  stato.ultima_cella = ultima;
  for (const Posa& p : posate) {
    Cella& cella = stato.celle.at(static_cast<size_t>(p.cella));
    cella.tipo = p.tipo;
    cella.valore_a = p.valore_a;
  }
  return stato;
}

Guasti guasti_di(const Compilatore& stato) {
  Guasti fatti;
  for (const Guasto& g : stato.guasti) fatti.emplace_back(g.codice, g.posizione.value_or(-1));
  return fatti;
}

// Runs the pass over `prima` and checks every cell against `prima` with
// `dopo` laid over it, then the faults in the order recorded.
void verifica(const std::vector<Posa>& prima, const std::vector<Posa>& dopo, const Guasti& guasti,
              size_t numero = 60, int32_t ultima = 59) {
  Compilatore stato = con_celle(numero, ultima, prima);
  Compilatore atteso = con_celle(numero, ultima, prima);
  for (const Posa& p : dopo) {
    atteso.celle.at(static_cast<size_t>(p.cella)).tipo = p.tipo;
    atteso.celle.at(static_cast<size_t>(p.cella)).valore_a = p.valore_a;
  }
  passata_layout(stato);
  for (size_t k = 0; k < numero; ++k) {
    EXPECT_EQ(static_cast<int>(stato.celle[k].tipo), static_cast<int>(atteso.celle[k].tipo)) << "cell " << k;
    EXPECT_EQ(stato.celle[k].valore_a, atteso.celle[k].valore_a) << "cell " << k;
  }
  EXPECT_EQ(guasti_di(stato), guasti);
  if (!guasti.empty()) {
    EXPECT_EQ(stato.codice_errore, guasti.back().first);
    EXPECT_EQ(stato.posizione_errore, guasti.back().second);
  }
}

const std::vector<Caso>& casi() {
  static const std::vector<Caso> tabella = {
      // Look-back from a warning board.
      {.nome = "signal in cell 2 is below the look-back", .prima = {avviso(10), segnale(2)}},
      {.nome = "signal in cell 3 is the nearest treated", .prima = {avviso(10), segnale(3)}, .dopo = {marca(2)}},
      {.nome = "signal 20 cells behind the board is treated", .prima = {avviso(30), segnale(10)}, .dopo = {marca(9)}},
      {.nome = "signal 21 cells behind the board is not", .prima = {avviso(31), segnale(10)}},
      {.nome = "every signal behind the board, 180 whatever the board's speed",
       .prima = {{30, kAvvisoRallentamento, 30}, segnale(25), segnale(15)},
       .dopo = {marca(24), marca(14)}},
      {.nome = "a mountain mark counts as free", .prima = {avviso(30), segnale(20), montagna(19)}, .dopo = {marca(19)}},
      {.nome = "abbattimento 250 one back, two back taken: lowered to 180",
       .prima = {avviso(30), segnale(20), abbattimento(19, 250), occupata(18)},
       .dopo = {abbattimento(19, 180)}},
      {.nome = "abbattimento 60 one back stays 60",
       .prima = {avviso(30), segnale(20), abbattimento(19, 60), occupata(18)}},
      {.nome = "free cell two back preferred to lowering the one back",
       .prima = {avviso(30), segnale(20), abbattimento(19, 250)},
       .dopo = {marca(18)}},
      {.nome = "abbattimento two back lowered when one back is taken",
       .prima = {avviso(30), segnale(20), occupata(19), abbattimento(18, 250)},
       .dopo = {abbattimento(18, 180)}},
      {.nome = "no room before the signal: code 11 at the signal",
       .prima = {avviso(30), segnale(20), occupata(19), occupata(18)},
       .guasti = {{11, 1000}}},
      {.nome = "signal treated from two boards gets markers on both cells",
       .prima = {avviso(30), avviso(32), segnale(20)},
       .dopo = {marca(19), marca(18)}},

      // Windows before a slowdown start (110 km/h and more: no walk).
      {.nome = "start at 7: no window", .prima = {inizio(7, 120), fine(15)}},
      {.nome = "start at 8: first window only", .prima = {inizio(8, 120), fine(12)}, .dopo = {marca(3)}},
      {.nome = "start at 8 with cells 3 and 2 taken: marker on cell 1",
       .prima = {inizio(8, 120), fine(12), occupata(3), occupata(2)},
       .dopo = {marca(1)}},
      {.nome = "start at 20: two windows", .prima = {inizio(20, 120), fine(30)}, .dopo = {marca(15), marca(9)}},
      {.nome = "start at 21: three windows",
       .prima = {inizio(21, 120), fine(30)},
       .dopo = {marca(16), marca(10), marca(3)}},
      {.nome = "window cells tried in order; a taken window is code 12 at the start",
       .prima = {inizio(21, 120), fine(30), occupata(16), occupata(10), occupata(9), occupata(3), occupata(2),
                 occupata(1)},
       .dopo = {marca(15), marca(8)},
       .guasti = {{12, 1050}}},

      // The walk through a slow slowdown (start 10: window marker on 5).
      {.nome = "109 km/h over 20 cells: markers at n + 8 and n + 16",
       .prima = {inizio(10, 109), fine(30)},
       .dopo = {marca(5), marca(18), marca(26)}},
      {.nome = "109 km/h over 8 cells: the 8th step is the end, marker on n + 7",
       .prima = {inizio(10, 109), fine(18)},
       .dopo = {marca(5), marca(17)}},
      {.nome = "109 km/h over 8 cells with n + 7 taken: marker on n + 9",
       .prima = {inizio(10, 109), fine(18), occupata(17)},
       .dopo = {marca(5), marca(19)}},
      {.nome = "110 km/h: no walk markers", .prima = {inizio(10, 110), fine(30)}, .dopo = {marca(5)}},
      {.nome = "marker moved back: the next ones 8 cells after it",
       .prima = {inizio(10, 60), fine(40), occupata(18)},
       .dopo = {marca(5), marca(17), marca(25), marca(33)}},
      {.nome = "marker moved forward: the next ones 8 cells after it",
       .prima = {inizio(10, 60), fine(40), occupata(18), occupata(17)},
       .dopo = {marca(5), marca(19), marca(27), marca(35)}},
      {.nome = "no room at the 8th step: code 13 there and no further marker",
       .prima = {inizio(10, 60), fine(40), occupata(17), occupata(18), occupata(19)},
       .dopo = {marca(5)},
       .guasti = {{13, 900}}},

      // The look-forward after the end (start 10, end 20: markers on 5 and 18).
      {.nome = "signal after the end: marker just before it",
       .prima = {inizio(10, 60), fine(20), segnale(25)},
       .dopo = {marca(5), marca(18), marca(24)}},
      {.nome = "signal 12 cells after the end is reached",
       .prima = {inizio(10, 60), fine(20), segnale(32)},
       .dopo = {marca(5), marca(18), marca(31)}},
      {.nome = "signal 13 cells after the end is not",
       .prima = {inizio(10, 60), fine(20), segnale(33)},
       .dopo = {marca(5), marca(18)}},
      {.nome = "cell before the signal taken: marker two before",
       .prima = {inizio(10, 60), fine(20), segnale(25), occupata(24)},
       .dopo = {marca(5), marca(18), marca(23)}},
      {.nome = "no room before the signal: code 13 at the end cell",
       .prima = {inizio(10, 60), fine(20), segnale(25), occupata(24), occupata(23)},
       .dopo = {marca(5), marca(18)},
       .guasti = {{13, 1000}}},
      {.nome = "110 km/h and more: look-forward from its own end cell",
       .prima = {inizio(10, 120), fine(20), segnale(32)},
       .dopo = {marca(5), marca(31)}},

      // The last cell.
      {.nome = "110 km/h and more without an end cell: code 33, no look-forward",
       .prima = {inizio(40, 120), segnale(59)},
       .dopo = {marca(35), marca(29), marca(22)},
       .guasti = {{33, 2000}}},
      {.nome = "walk without an end cell stops at the last cell: code 33, no look-forward",
       .prima = {inizio(30, 60), segnale(50), fine(55), segnale(57)},
       .dopo = {marca(25), marca(19), marca(12), marca(38), marca(46)},
       .guasti = {{33, 1500}},
       .ultima = 50},
      {.nome = "8th step on the last cell: no neighbour past it",
       .prima = {inizio(34, 60), occupata(49), occupata(50)},
       .dopo = {marca(29), marca(23), marca(16), marca(42)},
       .guasti = {{13, 2500}, {33, 1700}},
       .ultima = 50},
      {.nome = "look-forward stops at the last cell",
       .prima = {inizio(30, 60), fine(45), segnale(52)},
       .dopo = {marca(25), marca(19), marca(12), marca(38)},
       .ultima = 50},
      {.nome = "look-forward reads the last cell",
       .prima = {inizio(30, 60), fine(45), segnale(50)},
       .dopo = {marca(25), marca(19), marca(12), marca(38), marca(49)},
       .ultima = 50},
      {.nome = "outer walk visits up to ultima_cella - 2",
       .prima = {avviso(57), segnale(40), inizio(58, 120)},
       .dopo = {marca(39)}},
  };
  return tabella;
}

TEST(PassataLayout, EdgeCases) {
  for (const Caso& caso : casi()) {
    SCOPED_TRACE(caso.nome);
    verifica(caso.prima, caso.dopo, caso.guasti, 60, caso.ultima);
  }
}

// A slowdown as the train description places it (warning 1200 m before the
// start at 20000 m, four pre-warning cells before the warning, end 1000 m on)
// between signals: one 7 cells behind the warning with an abbattimento of its
// own before it, one 17 cells behind, and one 9 cells after the end.
TEST(PassataLayout, SlowdownBetweenSignals) {
  const std::vector<Posa> prima = {
      {373, kPreavvisoRallentamento, 4}, {374, kPreavvisoRallentamento, 3},
      {375, kPreavvisoRallentamento, 2}, {376, kPreavvisoRallentamento, 1},
      avviso(377),  inizio(401, 60), fine(421),
      segnale(360), segnale(370),    abbattimento(369, 100), segnale(430),
  };
  const std::vector<Posa> dopo = {
      marca(359), marca(368),                // look-back from the warning at 377
      marca(396), marca(390), marca(383),    // windows before the start at 401
      marca(409), marca(417),                // the walk, every 8 cells
      marca(429),                            // the signal after the end at 421
  };
  verifica(prima, dopo, {}, 500, 499);
}

}  // namespace
}  // namespace scenario
