// A value that the readers spread over the cells from each entry's position
// up to the next one (gradient, speed limit, adhesion): the runs of equal
// bytes in the cells, read back as the entries that wrote them.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "model/modello.h"

namespace scenario::decompila {

struct Scalino {
  int32_t cella = 0;  // first cell of the run
  uint8_t valore = 0;
};

// The runs of the byte `campo` picks from each cell, each as the cell where
// its entry stands. The readers fill cells 0 to ultima_cella - 3; the last
// three cells hold a value only when entries stand at the position of the
// first of them, one entry for each such cell.
std::vector<Scalino> scalini(const std::vector<Cella>& celle, const std::function<uint8_t(const Cella&)>& campo);

}  // namespace scenario::decompila
