// Placement of a slowdown of the train description: its start and end cells
// and, far enough from the origin, its warning cell and four pre-warnings.
#pragma once

#include <cstdint>

namespace scenario {

struct Compilatore;

// Places the slowdown at `x` (metres) of speed `v` and length `l` (metres).
// On a fault records kErroreAvvisoOccupato, kErroreInizioOccupato or
// kErroreFineOccupata (warning, start or end cell busy; nothing written),
// kErrorePreavvisoOccupato (a pre-warning cell busy; start, end and warning
// kept) or kErroreOggettoTrenoFuori (a cell outside the cell array, or a
// negative length; nothing written). The
// caller records the position.
void memo_rallentamento(Compilatore& stato, int32_t x, int32_t v, int32_t l, int32_t f_tt, int32_t f_ta,
                        int32_t d_v);

}  // namespace scenario
