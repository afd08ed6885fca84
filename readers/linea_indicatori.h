// The placement of an entry of maximum-speed indicators of the line.
#pragma once

#include <cstdint>

namespace scenario {

struct Compilatore;

// One entry of maximum-speed indicators, its fields in the entry's order:
// speeds in km/h for the train categories A, B, C on the left (vas, vbs, vcs)
// and on the right (vad, vbd, vcd), and the stripe count of each side, a
// 16-bit field.
struct IndicatoriVMax {
  int32_t posizione = 0;
  int32_t vas = 0;
  int32_t vbs = 0;
  int32_t vcs = 0;
  int16_t strisces = 0;
  int32_t vad = 0;
  int32_t vbd = 0;
  int32_t vcd = 0;
  int16_t strisced = 0;
};

// Places the indicators into cell posizione / 50 + 1, or records
// kErroreIndicatoreOccupato when that cell is taken.
void memo_indicatori_v_max(Compilatore& stato, const IndicatoriVMax& voce);

}  // namespace scenario
