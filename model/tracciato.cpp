#include "model/tracciato.h"

#include <cassert>

namespace scenario {

void Tracciato::traccia(int32_t fine, std::optional<double> k) {
  assert(semi_ && fine > ultima_riga() && fine < righe_);
  const bool curvo = k.has_value();
  const double curvatura = k.value_or(0.0);
  // Stretches of one kind in a row draw alike: one entry holds them all. The
  // curvatures compare exactly, as the steps use them.
  if (!tratti_.empty() && tratti_.back().curvo == curvo && tratti_.back().k == curvatura) {
    tratti_.back().fine = fine;
    return;
  }
  tratti_.push_back(Tratto{fine, curvo, curvatura});
}

}  // namespace scenario
