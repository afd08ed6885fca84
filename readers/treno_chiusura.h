// The closing steps of the train description.
#pragma once

#include "readers/treno_lettura.h"

namespace scenario {

// Speed and adhesion up to the end of the line, then the check of the
// kilometre-post systems. False after a reading failure (kErroreLettura): a
// speed that no cell byte can hold, met by the speed fill.
bool chiusura_treno(LetturaTreno& lettura);

}  // namespace scenario
