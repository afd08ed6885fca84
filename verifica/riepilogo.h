// The one line a clean check prints: what the pair holds, and how many
// warnings it left.
#pragma once

#include <cstddef>
#include <string>

#include "model/stato.h"
#include "model/traccia.h"

namespace scenario::tool {

// "line of 88000 m; stations 16, signals 32, slowdowns 0, warnings 2"
std::string riepilogo(const Compilatore& stato, const Traccia& traccia, size_t avvisi);

}  // namespace scenario::tool
