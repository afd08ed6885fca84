#include "readers/passo_tracciato.h"

namespace scenario {
namespace {

Punto reale(double valore) { return Punto{TagPunto::kReale, 0, valore}; }

}  // namespace

// The straight step is not the curved one with k = 0: adding k * dy = -0.0 could
// change the sign of a zero coordinate.
void passo_dritto(Tracciato& tracciato, size_t c) {
  const double x1 = tracciato.x[c - 1].valore();
  const double y1 = tracciato.y[c - 1].valore();
  const double dx = x1 - tracciato.x[c - 2].valore();
  const double dy = y1 - tracciato.y[c - 2].valore();
  tracciato.x[c] = reale(x1 + dx);
  tracciato.y[c] = reale(y1 + dy);
}

void passo_curvo(Tracciato& tracciato, size_t c, double k) {
  const double x1 = tracciato.x[c - 1].valore();
  const double y1 = tracciato.y[c - 1].valore();
  const double dx = x1 - tracciato.x[c - 2].valore();
  const double dy = y1 - tracciato.y[c - 2].valore();
  tracciato.x[c] = reale((x1 + dx) + k * dy);
  tracciato.y[c] = reale((y1 + dy) - k * dx);
}

}  // namespace scenario
