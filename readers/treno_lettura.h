// The state of one reading of the train description, shared by the rules that
// act on its entries: the scaffold's field cursor, the cell counters and the
// positions of the last entries.
#pragma once

#include <cstdint>
#include <optional>

#include "readers/lettura_descrizione.h"

namespace scenario {

class LetturaTreno : public LetturaDescrizione {
 public:
  using LetturaDescrizione::LetturaDescrizione;

  // Next cell to receive a speed limit or an adhesion, and the value in force.
  // The speed is kept in km/h as read: its byte (steps of 5 km/h) is worked out
  // when a cell receives it, so a speed no byte can hold fails only if some
  // cell is to receive it. Before the first entry of each kind the value is 0.
  int64_t contatore_velocita = 0;
  int32_t velocita_corrente = 0;
  int64_t contatore_aderenza = 0;
  uint8_t aderenza_corrente = 0;
  int32_t stazione = 1;  // element row of the next station

  // Positions of the last entry of each kind, to warn about entries out of order.
  std::optional<int32_t> ultima_velocita;
  std::optional<int32_t> ultima_aderenza;
  std::optional<int32_t> ultimo_segnale;

  // The common position test: (posizione + margine) / 50 must not exceed the
  // last cell. Records kErroreOltreLeCelle and gives kOltre otherwise.
  Esito controlla_posizione(int32_t posizione, int32_t margine);
};

// The margins of the position test: most entries, and stations with their
// stop zone.
constexpr int32_t kMargineVoce = 100;
constexpr int32_t kMargineStazione = 800;

}  // namespace scenario
