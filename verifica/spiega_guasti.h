// A fault the compiler recorded, told as an author needs it: at the entry
// that holds it (for a fault of the layout pass, at the slowdown's entry), its
// meaning, and a hint that names what is in the way: the entry whose object
// already holds a cell, the two stop zones that are too close and the first
// position allowed.
#pragma once

#include "model/stato.h"
#include "model/traccia.h"
#include "verifica/diagnostiche.h"

namespace scenario::tool {

// `stato` and `traccia` as the run that recorded `g` left them.
Diagnostica spiega_guasto(const Guasto& g, const Compilatore& stato, const Traccia& traccia);

}  // namespace scenario::tool
