// The cell grid: the line is cut into cells of 50 m, and the conversions
// between a cell and the metres of the line.
#pragma once

#include <cstddef>
#include <cstdint>

#include "model/arrotonda.h"

namespace scenario {

// The length of a cell in metres.
constexpr int32_t kMetriCella = 50;

// The whole number nearest to posizione / 50 + scarto, as the cell formulas
// write it: the division and the offset are done in real numbers first, then
// the sum is rounded once.
inline int64_t cella_di(int64_t posizione, double scarto = 0.0) {
  return arrotonda(static_cast<double>(posizione) / kMetriCella + scarto);
}

// The first metre of cell k.
constexpr int64_t metri_cella(size_t k) { return kMetriCella * static_cast<int64_t>(k); }

// Where the author put an object that the readers place into cell
// position / 50 + 1 (signals, slowdowns, signposts, indicators).
constexpr int64_t posizione_oggetto(size_t cella) { return kMetriCella * (static_cast<int64_t>(cella) - 1); }

}  // namespace scenario
