// The rules of the train description for the general values of the train
// (row 84 and row 86). Each reads its own value fields after the key.
#pragma once

#include "readers/treno_lettura.h"

namespace scenario {

Esito regola_massa_frenata(LetturaTreno& lettura);
Esito regola_vetture(LetturaTreno& lettura);
Esito regola_orologio(LetturaTreno& lettura);
Esito regola_sabbia(LetturaTreno& lettura);

}  // namespace scenario
