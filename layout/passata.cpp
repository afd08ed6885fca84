#include "layout/passata.h"

#include "model/stato.h"

namespace scenario {

void passata_layout(Compilatore& stato) { (void)stato; }

}  // namespace scenario
