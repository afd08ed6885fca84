// Gradient entries of the line description: the gradient profile of the cells.
#include "readers/linea_lettura.h"

#include <cstdint>

#include "model/codici_errore.h"
#include "model/griglia.h"
#include "model/stato.h"
#include "model/valori_cella.h"
#include "platform/da_tradurre.h"
#include "readers/posizioni.h"

namespace scenario {
namespace {

// Writes the gradient in force into the cell at the cursor and advances it,
// then goes on while the cursor is below `fino`. At least one cell is written
// even when the cursor already stands at or beyond `fino`: this is what
// shifts the second of two entries in one cell by one cell.
void scrivi_pendenze(LetturaLinea& l, int64_t fino) {
  const uint8_t pendenza = byte_pendenza(l.pendenza_corrente);
  do {
    l.stato.celle[static_cast<size_t>(l.cella_pendenza)].pendenza = pendenza;
    ++l.cella_pendenza;
  } while (l.cella_pendenza < fino);
}

}  // namespace

Esito voce_pendenza(LetturaLinea& l) {
  int32_t posizione = 0;
  int32_t gradiente = 0;
  if (!l.leggi_valore(&posizione) || !l.leggi_valore(&gradiente)) return Esito::kFermo;
  Compilatore& stato = l.stato;
  if (oltre_le_celle(stato, posizione)) {
    l.guasto(kErroreOltreLeCelle, posizione);
    return Esito::kOltre;
  }
  const int64_t n = cella_di(posizione);
  if (n > 0) {
    // Entries crowded into few cells push the cursor on by one cell each.
    if (l.cella_pendenza > stato.ultima_cella) {
      l.guasto(kErrorePendenzaOltre, posizione);
      return Esito::kFermo;
    }
    scrivi_pendenze(l, n);
  }
  controlla_ordine(l.stato, l.ultima_pendenza, posizione,
                   N_("gradient at %1 m comes after one at %2 m: entries out of order of position"));
  l.pendenza_corrente = gradiente;  // whether or not a cell was written
  return Esito::kAvanti;
}

void coda_pendenze(LetturaLinea& l) {
  const int32_t ultima = l.stato.ultima_cella;
  // The cursor can stand one past the last cell; then there is nothing left.
  if (!l.stato.ha_celle() || l.cella_pendenza > ultima) return;
  scrivi_pendenze(l, static_cast<int64_t>(ultima) - 2);
}

}  // namespace scenario
