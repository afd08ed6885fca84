// Placement of a signal of the train description: its cell with the packed
// settings, and the approach marks in the cells before it.
#pragma once

#include <cstdint>

namespace scenario {

struct Compilatore;

// The settings of a signal line, in the order the line gives them after the
// position.
struct Segnale {
  int32_t sx = 0;
  int32_t s1 = 0;
  int32_t s2 = 0;
  int32_t s3 = 0;
  int32_t rapp = 0;
  int32_t dx = 0;
  int32_t d1 = 0;
  int32_t d2 = 0;
  int32_t d3 = 0;
  int32_t tempo = 0;
};

// Places the signal at `posizione` (metres). `segnale.tempo` may be changed.
// On a fault records kErroreSegnaleOccupato (the cell is busy) or kErroreOggettoTrenoFuori (the signal or its approach
// marks would lie outside the cell array) and writes nothing; the caller
// records the position.
void memo_segnale(Compilatore& stato, int32_t posizione, Segnale& segnale);

}  // namespace scenario
