// The one line a clean check prints: what the pair holds, and how many
// warnings it left.
#pragma once

#include <cstddef>
#include <string>

#include "model/stato.h"
#include "model/traccia.h"

namespace scenario::tool {

// "line 88000 m, 19 stations, 46 signals, 5 slowdowns, 1 warning"
std::string riepilogo(const Compilatore& stato, const Traccia& traccia, size_t avvisi);

}  // namespace scenario::tool
