#include "readers/ripresa.h"

#include <utility>

namespace scenario {

void Riprese::tieni(PuntoLettura punto) {
  punti_.push_back(std::move(punto));
  while (punti_.size() > quanti_) punti_.pop_front();
  prossimi();
}

void Riprese::cambiato(bool treno, size_t offset) {
  // A point stands strictly before the change: the reading that reached it
  // may have looked at the byte under its cursor (a lone CR's next byte).
  while (!punti_.empty()) {
    const PuntoLettura& p = punti_.back();
    const bool prima = treno ? !p.di_treno() || p.offset() < offset : !p.di_treno() && p.offset() < offset;
    if (prima) break;
    punti_.pop_back();
  }
  prossimi();
}

void Riprese::prossimi() {
  prossimo_[0] = prossimo_[1] = 0;
  for (const PuntoLettura& p : punti_) prossimo_[p.di_treno() ? 1 : 0] = p.offset() + passo_;
}

}  // namespace scenario
