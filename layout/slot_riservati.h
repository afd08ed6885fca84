// The reserved slots: row 85 intero1 and dato4, cell 1 valore_a and valore_b
// carry the stamp and the competition codes, and must not have been used by
// the scenario's data.
#pragma once

#include <cstdint>

namespace scenario {

struct Compilatore;

// Checks the stamp slots (kErroreSlotIntero), stamps 610 and 5121, checks the code slots
// (kErroreSlotCodice). Returns 0 when both checks pass, else the failed check's code; on a
// failure of the second check the stamps stay written.
int32_t controlla_e_timbra(Compilatore& stato);

// Stores codice_gara_st into row 85 dato4 and then codice_gara_og into cell 1
// valore_b.
void memorizza_codici_gara(Compilatore& stato);

}  // namespace scenario
