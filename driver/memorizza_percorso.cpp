#include "driver/memorizza_percorso.h"

#include "layout/passata.h"
#include "layout/slot_riservati.h"
#include "model/file_compilati.h"
#include "model/stato.h"
#include "readers/memorizza_dati.h"

namespace scenario {

EsitoCompilazione memorizza_percorso(Compilatore& stato, int32_t genera_tracciato) {
  EsitoCompilazione esito;
  // 1. The option and a clean status; what an earlier compile left is dropped.
  stato.genera_tracciato = genera_tracciato;
  stato.codice_errore = 0;
  stato.posizione_errore = 0;
  stato.celle.clear();
  stato.tracciato = Tracciato{};
  stato.lunghezza_tracciato = 0;
  stato.ultima_cella = -1;
  stato.guasti.clear();
  stato.avvertimenti.clear();
  stato.errore_file_system.clear();

  // 2. Reset of the element table.
  for (Elemento& riga : stato.elementi) riga = Elemento{};

  // 3. Both descriptions.
  memorizza_dati(stato);
  if (!stato.errore_file_system.empty()) {
    esito.file_system = Status::Error(stato.errore_file_system);
    return esito;
  }
  // Without a cell array there is no cell 1 to stamp and nothing to write:
  // earlier compiled files stay as they are.
  if (!stato.ha_celle() || stato.ultima_cella < 1) {
    esito.senza_celle = true;
    return esito;
  }

  // 4. Layout pass; 5. reserved slots; 6. competition codes.
  passata_layout(stato);
  esito.fatale = controlla_e_timbra(stato);
  if (esito.fatale != 0) return esito;
  memorizza_codici_gara(stato);

  // 7. The compiled files.
  esito.file_system = scrivi_file_compilati(stato);
  esito.file_scritti = esito.file_system.ok();
  return esito;
}

}  // namespace scenario
