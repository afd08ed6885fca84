// Fuzz target: the line reader alone, any bytes as the line description.
#include <cstddef>
#include <cstdint>

#include "driver/nomi_file.h"
#include "fuzz/banco.h"
#include "platform/file_system.h"
#include "readers/lettore_linea.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
  using namespace scenario;
  Compilatore stato = fuzz::stato_nuovo();
  const NomiFile nomi(stato.cartella, stato.nome_linea, stato.numero_treno);
  fuzz::scrivi_testo(nomi.descrizione_linea(), fuzz::come_testo(dati, dimensione));

  leggi_descrizione_linea(stato);

  fuzz::controlla_modello(stato);
  // Once the cell array exists every path of the reader has gone through its
  // closing delete.
  if (stato.ha_celle() && file_esiste(nomi.descrizione_linea())) {
    fuzz::fallisci("the line description outlived a reading that created the cells");
  }
  fuzz::svuota_cartella();
  return 0;
}
