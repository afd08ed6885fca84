// Two faults told at the entry behind them, in the guide's terms: a train
// object outside the cells (which rule it broke, and the position allowed),
// and a kilometre-post system off the 50 m grid (at the system's own line,
// with the nearest values allowed).
#pragma once

#include "model/stato.h"
#include "model/traccia.h"
#include "verifica/diagnostiche.h"

namespace scenario::tool {

// Fault 32; `voce` is the entry being read, or nullptr.
void spiega_fuori_celle(const Compilatore& stato, const VoceLetta* voce, Diagnostica* d);
// Fault 2: moves `d` to the first system whose start or value is off the grid.
void spiega_progressive(const Traccia& t, Diagnostica* d);

}  // namespace scenario::tool
