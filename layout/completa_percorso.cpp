#include "layout/completa_percorso.h"

#include "layout/passata.h"
#include "layout/slot_riservati.h"

namespace scenario {

int32_t completa_percorso(Compilatore& stato) {
  passata_layout(stato);
  if (const int32_t fatale = controlla_e_timbra(stato); fatale != 0) return fatale;
  memorizza_codici_gara(stato);
  return 0;
}

}  // namespace scenario
