#include "readers/memorizza_dati.h"

#include "driver/nomi_file.h"
#include "model/stato.h"
#include "readers/lettore_linea.h"
#include "readers/lettore_treno.h"
#include "readers/testo_descrizione.h"

namespace scenario {

void memorizza_dati(Compilatore& stato) {
  if (leggi_descrizione_linea(stato)) {
    leggi_descrizione_treno(stato);
    return;
  }
  // The train half does not run after this fault; its text is deleted all the
  // same, so that a run never leaves a description behind.
  const NomiFile nomi(stato.cartella, stato.nome_linea, stato.numero_treno);
  elimina_descrizione(stato, nomi.descrizione_treno());
}

}  // namespace scenario
