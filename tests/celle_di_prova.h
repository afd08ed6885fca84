// The cell array the placement routines' tests start from.
#pragma once

#include <cstdint>

#include "model/stato.h"

namespace scenario::test {

// A compiler state holding only an empty cell array of cells 0 to `ultima`
// (1900: an 88000 m line), enough for the placement routines.
Compilatore con_celle(int32_t ultima = 1900);

}  // namespace scenario::test
