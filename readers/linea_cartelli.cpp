// Signpost entries of the line description: a text in the element table,
// rows 80 downward, and a signpost cell pointing at it.
#include "readers/linea_lettura.h"

#include <cstdint>
#include <string>

#include "model/codici_errore.h"
#include "model/griglia.h"
#include "model/stato.h"
#include "platform/da_tradurre.h"
#include "readers/posizioni.h"

namespace scenario {

Esito voce_cartello(LetturaLinea& l) {
  int32_t posizione = 0;
  std::string testo;
  if (!l.leggi_valore(&posizione) || !l.leggi_testo(&testo)) return Esito::kFermo;
  Compilatore& stato = l.stato;
  if (oltre_le_celle(stato, posizione)) {
    l.guasto(kErroreOltreLeCelle, posizione);
    return Esito::kOltre;
  }
  const int64_t j = cella_di(posizione, 1.0);
  if (j < 0) {
    l.guasto(kErroreOggettoLineaFuori, posizione);
    return Esito::kFermo;
  }
  Cella& cella = stato.celle[static_cast<size_t>(j)];
  if (!cella_libera(cella)) {
    stato.trova_occupata(j);
    l.guasto(kErroreCartelloOccupato, posizione);
    return Esito::kFermo;
  }
  // Signpost rows grow down from row 80 towards the station rows; row 0 is
  // never filled, so the 81st signpost has nowhere to go.
  if (stato.prossimo_cartello < 1) {
    l.guasto(kErroreTroppiCartelli, posizione);
    return Esito::kFermo;
  }
  controlla_ordine(l.stato, l.ultimo_cartello, posizione,
                   N_("signpost at %1 m comes after one at %2 m: entries out of order of position"));
  cella.tipo = kCartello;
  stato.posa(j);
  cella.valore_a = static_cast<int16_t>(stato.prossimo_cartello);
  stato.elementi[static_cast<size_t>(stato.prossimo_cartello)].testo = testo;
  --stato.prossimo_cartello;
  return Esito::kAvanti;
}

}  // namespace scenario
