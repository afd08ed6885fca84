// Placement of a signal of the train description: its cell with the packed
// settings, and the approach marks in the cells before it.
#pragma once

#include <cstdint>

#include "model/valori_cella.h"

namespace scenario {

struct Compilatore;

// Places the signal at `posizione` (metres). `segnale.tempo` may be changed.
// On a fault records kErroreSegnaleOccupato (the cell is busy) or kErroreOggettoTrenoFuori (the signal or its approach
// marks would lie outside the cell array) and writes nothing; the caller
// records the position.
void memo_segnale(Compilatore& stato, int32_t posizione, ImpostazioniSegnale& segnale);

}  // namespace scenario
