#include "model/punti_tracciato.h"

namespace scenario {

PuntiTracciato punti_tracciato(const Tracciato& tracciato) {
  PuntiTracciato punti;
  PuntiInOrdine(tracciato).prossimi(tracciato.righe(), [&](int32_t, TagPunto tag, double x, double y) {
    punti.x.aggiungi(Punto{tag, static_cast<int16_t>(tag == TagPunto::kIntero ? x : 0.0), x});
    punti.y.aggiungi(Punto{tag, static_cast<int16_t>(tag == TagPunto::kIntero ? y : 0.0), y});
  });
  return punti;
}

}  // namespace scenario
