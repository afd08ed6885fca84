#include "layout/errore.h"

#include <cstdlib>

#include "platform/messaggi.h"
#include "platform/uscita.h"

namespace scenario {

std::string testo_errore(std::string_view codice) { return " Errore n. " + std::string(codice); }

void errore(std::string_view codice) {
  mostra_errore_fatale(testo_errore(codice));
  std::exit(kUscitaSlotRiservato);
}

}  // namespace scenario
