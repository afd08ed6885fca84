#include "driver/esito_compilazione.h"

namespace scenario {

int stato_uscita(const EsitoCompilazione& esito, int32_t codice_errore) {
  if (!esito.file_system.ok()) return kUscitaFileSystem;
  if (esito.fatale != 0) return kUscitaSlotRiservato;
  return codice_errore == 0 ? kUscitaPulita : kUscitaConGuasti;
}

}  // namespace scenario
