// The points of the track plan, computed in row order from what the line
// reader recorded, each row by one step from the two rows before it
// (model/passo_tracciato.h).
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "model/modello.h"
#include "model/passo_tracciato.h"
#include "model/tracciato.h"

namespace scenario {

// Walks the plan's rows in order, a batch at a time. Within a batch the
// drawing state stays in local variables and the loop calls nothing it cannot
// inline; between batches the caller may do anything (write a piece of the
// file), and the walk resumes where it stopped.
class PuntiInOrdine {
 public:
  explicit PuntiInOrdine(const Tracciato& tracciato) : tracciato_(tracciato) {}

  bool finiti() const { return riga_ >= tracciato_.righe(); }

  // Calls punto(riga, tag, x, y) for the next rows, at most `quante`; an
  // empty row comes with x and y 0.
  template <typename Visita>
  void prossimi(int32_t quante, Visita&& punto) {
    const int32_t fine_lotto = riga_ + std::min(quante, tracciato_.righe() - riga_);
    int32_t riga = riga_;
    // Rows c-2 and c-1 of the row c being drawn.
    double x2 = x2_;
    double y2 = y2_;
    double x1 = x1_;
    double y1 = y1_;
    size_t indice = tratto_;
    const auto& tratti = tracciato_.tratti();
    // The line starts at the origin heading along y: rows 0 and 1.
    for (; riga < std::min(2, fine_lotto) && tracciato_.semi(); ++riga) {
      punto(riga, TagPunto::kIntero, 0.0, riga == 0 ? 0.0 : 1.0);
    }
    while (riga < fine_lotto && indice < tratti.size()) {
      const Tratto& tratto = tratti[indice];
      const int32_t ultima = std::min(tratto.fine, fine_lotto - 1);
      // One loop per kind of stretch, so that the step is not chosen again at
      // every metre.
      if (tratto.curvo) {
        const double k = tratto.k;
        for (; riga <= ultima; ++riga) {
          const PuntoPiano p = passo_curvo(x2, y2, x1, y1, k);
          punto(riga, TagPunto::kReale, p.x, p.y);
          x2 = x1, y2 = y1, x1 = p.x, y1 = p.y;
        }
      } else {
        for (; riga <= ultima; ++riga) {
          const PuntoPiano p = passo_dritto(x2, y2, x1, y1);
          punto(riga, TagPunto::kReale, p.x, p.y);
          x2 = x1, y2 = y1, x1 = p.x, y1 = p.y;
        }
      }
      if (riga > tratto.fine) ++indice;
    }
    for (; riga < fine_lotto; ++riga) punto(riga, TagPunto::kVuoto, 0.0, 0.0);
    riga_ = riga;
    x2_ = x2, y2_ = y2, x1_ = x1, y1_ = y1;
    tratto_ = indice;
  }

 private:
  const Tracciato& tracciato_;
  int32_t riga_ = 0;
  size_t tratto_ = 0;
  double x2_ = 0.0;
  double y2_ = 0.0;
  double x1_ = 0.0;
  double y1_ = 1.0;
};

// Every point at once, as a plan read back from its file would hold them:
// for tests and checks of small plans; the compiler itself never holds them.
PuntiTracciato punti_tracciato(const Tracciato& tracciato);

}  // namespace scenario
