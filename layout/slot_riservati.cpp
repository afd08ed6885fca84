#include "layout/slot_riservati.h"

#include "model/codici_errore.h"
#include "model/codici_gara.h"
#include "model/stato.h"

namespace scenario {

constexpr int16_t kTimbroRiga85 = 610;
constexpr int16_t kTimbroCella1 = 5121;

int32_t controlla_e_timbra(Compilatore& stato) {
  Elemento& riga = stato.elementi[kRigaLinea];
  Cella& cella = stato.celle.at(1);
  if (riga.intero1 != 0 || cella.valore_a != 0) return kErroreSlotIntero;
  riga.intero1 = kTimbroRiga85;
  cella.valore_a = kTimbroCella1;
  if (riga.dato4 != 0 || cella.valore_b != 0) return kErroreSlotCodice;
  return 0;
}

void memorizza_codici_gara(Compilatore& stato) {
  stato.elementi[kRigaLinea].dato4 = codice_gara_st(stato.elementi);
  stato.celle.at(1).valore_b = codice_gara_og(stato.elementi);
}

}  // namespace scenario
