// The state of one reading of the train description, shared by the rules that
// act on its entries: the scaffold's field cursor, the cell counters and the
// positions of the last entries.
#pragma once

#include <cstdint>
#include <optional>

#include "readers/lettura_descrizione.h"
#include "readers/ripresa.h"

namespace scenario {

class LetturaTreno : public LetturaDescrizione, public CursoriTreno {
 public:
  using LetturaDescrizione::LetturaDescrizione;

  // The common position test: (posizione + margine) / 50 must not exceed the
  // last cell. Records kErroreOltreLeCelle and gives kOltre otherwise.
  Esito controlla_posizione(int32_t posizione, int32_t margine);

  // The next key of a main loop, handing the reading's point over first.
  bool prossima_voce(int commenti) {
    return LetturaDescrizione::prossima_voce(Ciclo::kVociTreno, commenti, static_cast<const CursoriTreno&>(*this),
                                             &PuntoLettura::treno);
  }
  // Takes the reading up at `punto`, a point of this half.
  void riprendi(const PuntoLettura& punto) {
    LetturaDescrizione::riprendi(punto, static_cast<CursoriTreno*>(this), &PuntoLettura::treno);
  }
};

// The margins of the position test: most entries, and stations with their
// stop zone.
constexpr int32_t kMargineVoce = 100;
constexpr int32_t kMargineStazione = 800;

}  // namespace scenario
