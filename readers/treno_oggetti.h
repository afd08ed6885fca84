// The rules of the train description for objects placed in the cells:
// signals, slowdowns and abbattimento marks.
#pragma once

#include "readers/treno_lettura.h"

namespace scenario {

Esito regola_segnale(LetturaTreno& lettura);
Esito regola_rallentamento(LetturaTreno& lettura);
Esito regola_abbattimento(LetturaTreno& lettura);

}  // namespace scenario
