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
  std::vector<Posa> prima;  // cells set before the pass
  std::vector<Posa> dopo;   // the cells the pass changes, as they end up
  Guasti guasti;
  int32_t ultima = 59;      // below 59 the cells past it are bait that must stay untouched
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
      {"signal in cell 2 is below the look-back", {avviso(10), segnale(2)}, {}, {}},
      {"signal in cell 3 is the nearest treated", {avviso(10), segnale(3)}, {marca(2)}, {}},
      {"signal 20 cells behind the board is treated", {avviso(30), segnale(10)}, {marca(9)}, {}},
      {"signal 21 cells behind the board is not", {avviso(31), segnale(10)}, {}, {}},
      {"every signal behind the board, 180 whatever the board's speed",
       {{30, kAvvisoRallentamento, 30}, segnale(25), segnale(15)}, {marca(24), marca(14)}, {}},
      {"a mountain mark counts as free", {avviso(30), segnale(20), montagna(19)}, {marca(19)}, {}},
      {"abbattimento 250 one back, two back taken: lowered to 180",
       {avviso(30), segnale(20), abbattimento(19, 250), occupata(18)}, {abbattimento(19, 180)}, {}},
      {"abbattimento 60 one back stays 60",
       {avviso(30), segnale(20), abbattimento(19, 60), occupata(18)}, {}, {}},
      {"free cell two back preferred to lowering the one back",
       {avviso(30), segnale(20), abbattimento(19, 250)}, {marca(18)}, {}},
      {"abbattimento two back lowered when one back is taken",
       {avviso(30), segnale(20), occupata(19), abbattimento(18, 250)}, {abbattimento(18, 180)}, {}},
      {"no room before the signal: code 11 at the signal",
       {avviso(30), segnale(20), occupata(19), occupata(18)}, {}, {{11, 1000}}},
      {"signal treated from two boards gets markers on both cells",
       {avviso(30), avviso(32), segnale(20)}, {marca(19), marca(18)}, {}},

      // Windows before a slowdown start (110 km/h and more: no walk).
      {"start at 7: no window", {inizio(7, 120), fine(15)}, {}, {}},
      {"start at 8: first window only", {inizio(8, 120), fine(12)}, {marca(3)}, {}},
      {"start at 8 with cells 3 and 2 taken: marker on cell 1",
       {inizio(8, 120), fine(12), occupata(3), occupata(2)}, {marca(1)}, {}},
      {"start at 20: two windows", {inizio(20, 120), fine(30)}, {marca(15), marca(9)}, {}},
      {"start at 21: three windows", {inizio(21, 120), fine(30)}, {marca(16), marca(10), marca(3)}, {}},
      {"window cells tried in order; a taken window is code 12 at the start",
       {inizio(21, 120), fine(30), occupata(16), occupata(10), occupata(9), occupata(3), occupata(2),
        occupata(1)},
       {marca(15), marca(8)},
       {{12, 1050}}},

      // The walk through a slow slowdown (start 10: window marker on 5).
      {"109 km/h over 20 cells: markers at n + 8 and n + 16", {inizio(10, 109), fine(30)},
       {marca(5), marca(18), marca(26)}, {}},
      {"109 km/h over 8 cells: the 8th step is the end, marker on n + 7", {inizio(10, 109), fine(18)},
       {marca(5), marca(17)}, {}},
      {"109 km/h over 8 cells with n + 7 taken: marker on n + 9",
       {inizio(10, 109), fine(18), occupata(17)}, {marca(5), marca(19)}, {}},
      {"110 km/h: no walk markers", {inizio(10, 110), fine(30)}, {marca(5)}, {}},
      {"marker moved back: the next ones 8 cells after it", {inizio(10, 60), fine(40), occupata(18)},
       {marca(5), marca(17), marca(25), marca(33)}, {}},
      {"marker moved forward: the next ones 8 cells after it",
       {inizio(10, 60), fine(40), occupata(18), occupata(17)}, {marca(5), marca(19), marca(27), marca(35)},
       {}},
      {"no room at the 8th step: code 13 there and no further marker",
       {inizio(10, 60), fine(40), occupata(17), occupata(18), occupata(19)}, {marca(5)}, {{13, 900}}},

      // The look-forward after the end (start 10, end 20: markers on 5 and 18).
      {"signal after the end: marker just before it", {inizio(10, 60), fine(20), segnale(25)},
       {marca(5), marca(18), marca(24)}, {}},
      {"signal 12 cells after the end is reached", {inizio(10, 60), fine(20), segnale(32)},
       {marca(5), marca(18), marca(31)}, {}},
      {"signal 13 cells after the end is not", {inizio(10, 60), fine(20), segnale(33)},
       {marca(5), marca(18)}, {}},
      {"cell before the signal taken: marker two before",
       {inizio(10, 60), fine(20), segnale(25), occupata(24)}, {marca(5), marca(18), marca(23)}, {}},
      {"no room before the signal: code 13 at the end cell",
       {inizio(10, 60), fine(20), segnale(25), occupata(24), occupata(23)}, {marca(5), marca(18)},
       {{13, 1000}}},
      {"110 km/h and more: look-forward from its own end cell", {inizio(10, 120), fine(20), segnale(32)},
       {marca(5), marca(31)}, {}},

      // The last cell.
      {"110 km/h and more without an end cell: code 33, no look-forward", {inizio(40, 120), segnale(59)},
       {marca(35), marca(29), marca(22)}, {{33, 2000}}},
      {"walk without an end cell stops at the last cell: code 33, no look-forward",
       {inizio(30, 60), segnale(50), fine(55), segnale(57)},
       {marca(25), marca(19), marca(12), marca(38), marca(46)},
       {{33, 1500}},
       50},
      {"8th step on the last cell: no neighbour past it",
       {inizio(34, 60), occupata(49), occupata(50)},
       {marca(29), marca(23), marca(16), marca(42)},
       {{13, 2500}, {33, 1700}},
       50},
      {"look-forward stops at the last cell", {inizio(30, 60), fine(45), segnale(52)},
       {marca(25), marca(19), marca(12), marca(38)}, {}, 50},
      {"look-forward reads the last cell", {inizio(30, 60), fine(45), segnale(50)},
       {marca(25), marca(19), marca(12), marca(38), marca(49)}, {}, 50},
      {"outer walk visits up to ultima_cella - 2", {avviso(57), segnale(40), inizio(58, 120)},
       {marca(39)}, {}},
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
