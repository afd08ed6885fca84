// What the train placements share: the bounds of the cell array and the
// approach marks written before an object. The packing of a cell's values is
// model/valori_cella.h's.
#pragma once

#include <cstddef>
#include <cstdint>

#include "model/valori_cella.h"

namespace scenario {

struct Compilatore;

// Whether cell i exists: 0 to ultima_cella, and inside the array as built.
bool cella_esiste(const Compilatore& stato, int64_t i);

// Writes an approach mark into an existing cell. A later mark replaces an
// earlier one; the author is warned when a different mark was already there,
// since the earlier object then loses part of its approach.
void segna_avviso(Compilatore& stato, size_t cella, uint8_t avviso);

}  // namespace scenario
