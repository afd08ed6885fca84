// The rules of the train description for values that hold from a position
// on, cell by cell: speed limit and adhesion.
#pragma once

#include "readers/treno_lettura.h"

namespace scenario {

Esito regola_velocita(LetturaTreno& lettura);
Esito regola_aderenza(LetturaTreno& lettura);

}  // namespace scenario
