#include "readers/memorizza_dati.h"

#include "model/stato.h"

namespace scenario {

void memorizza_dati(Compilatore& stato) { (void)stato; }

}  // namespace scenario
