#include "readers/linea_passo_tracciato.h"

namespace scenario {
// The straight step is not the curved one with k = 0: adding k * dy = -0.0 could
// change the sign of a zero coordinate.
void passo_dritto(Tracciato& tracciato, size_t c) {
  const double x1 = tracciato.x.valore(c - 1);
  const double y1 = tracciato.y.valore(c - 1);
  const double dx = x1 - tracciato.x.valore(c - 2);
  const double dy = y1 - tracciato.y.valore(c - 2);
  tracciato.x.imposta_reale(c, x1 + dx);
  tracciato.y.imposta_reale(c, y1 + dy);
}

void passo_curvo(Tracciato& tracciato, size_t c, double k) {
  const double x1 = tracciato.x.valore(c - 1);
  const double y1 = tracciato.y.valore(c - 1);
  const double dx = x1 - tracciato.x.valore(c - 2);
  const double dy = y1 - tracciato.y.valore(c - 2);
  tracciato.x.imposta_reale(c, (x1 + dx) + k * dy);
  tracciato.y.imposta_reale(c, (y1 + dy) - k * dx);
}

}  // namespace scenario
