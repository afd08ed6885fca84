#include "readers/lettore_linea.h"

#include "model/stato.h"

namespace scenario {

bool leggi_descrizione_linea(Compilatore& stato) {
  (void)stato;
  return false;
}

}  // namespace scenario
