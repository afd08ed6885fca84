// The rule of the train description for a station.
#pragma once

#include "readers/treno_lettura.h"

namespace scenario {

Esito regola_stazione(LetturaTreno& lettura);

}  // namespace scenario
