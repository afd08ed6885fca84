#include "readers/lettore_treno.h"

#include "model/stato.h"

namespace scenario {

void leggi_descrizione_treno(Compilatore& stato) { (void)stato; }

}  // namespace scenario
