// The rule of the train description for a station.
#pragma once

#include <cstdint>

#include "readers/treno_lettura.h"

namespace scenario {

Esito regola_stazione(LetturaTreno& lettura);

// Least distance between one stop zone's end and the next one's start (m).
inline constexpr int64_t kDistanzaZone = 350;

}  // namespace scenario
