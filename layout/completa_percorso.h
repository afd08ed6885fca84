// Compile steps 4 to 6, after the reading stage: the layout pass, the check
// and stamp of the reserved slots, the competition codes.
#pragma once

#include <cstdint>

namespace scenario {

struct Compilatore;

// Runs the three steps on a model whose cell array reaches cell 1
// (Compilatore::ha_cella_uno). Returns 0, or the code of a reserved slot found
// in use (kErroreSlotIntero, kErroreSlotCodice): the competition codes are
// then not stored, and no compiled file may be written.
int32_t completa_percorso(Compilatore& stato);

}  // namespace scenario
