#include "driver/memorizza_percorso.h"

#include "driver/memorizza_dati.h"
#include "driver/scrittura_file_compilati.h"
#include "layout/completa_percorso.h"
#include "model/nomi_file.h"
#include "model/stato.h"

namespace scenario {

EsitoCompilazione memorizza_percorso(Compilatore& stato, const NomiFile& nomi, int32_t genera_tracciato) {
  EsitoCompilazione esito;
  // 1. and 2. A clean status and element table.
  stato.azzera(genera_tracciato);

  // 3. Both descriptions.
  memorizza_dati(stato, nomi);
  if (!stato.errore_file_system.ok()) {
    esito.file_system = stato.errore_file_system;
    return esito;
  }
  // Earlier compiled files stay as they are.
  if (!stato.ha_cella_uno()) {
    esito.senza_celle = true;
    return esito;
  }

  // 4. to 6.
  esito.fatale = completa_percorso(stato);
  if (esito.fatale != 0) return esito;

  // 7. The compiled files, replaced as one set: a run killed between their
  // renames leaves a record from which the next run completes the set, never
  // a new plan beside an earlier table.
  esito.file_system = sostituisci_file_compilati(nomi, stato, nullptr);
  esito.file_scritti = esito.file_system.ok();
  return esito;
}

}  // namespace scenario
