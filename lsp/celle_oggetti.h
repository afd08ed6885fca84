// The cells each object of a description stands in: a signal, a slowdown, a
// signpost, a speed indicator or a brake-test mark in the cell of its
// position; a station over its stop zone, from the zone's first cell to its
// stopping cell. Objects of the two descriptions of a pair that share a cell
// are what "find references" lists.
#pragma once

#include <cstdint>
#include <vector>

#include "lsp/righe.h"
#include "lsp/voci.h"

namespace scenario::lsp {

struct OggettoInCelle {
  size_t riga = 0;       // the entry's line, from 0
  int64_t da = 0, a = 0;  // the first and last cell it stands in
};

// The objects of the description, in file order; entries whose position is
// not a number are left out.
std::vector<OggettoInCelle> oggetti_in_celle(const Righe& righe, Descrizione descrizione);

}  // namespace scenario::lsp
