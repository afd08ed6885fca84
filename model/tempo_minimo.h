// The least running time over a stretch of the line: each 50 m cell run at
// its own speed limit, with no time to speed up, brake or stand. A real run
// takes longer; a timetable that gives less cannot be kept.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "model/modello.h"

namespace scenario {

// Seconds, rounded up, from metre `da` to metre `a` (da < a), over the cells
// from the one of `da` up to the one before that of `a`; none when a cell on
// the way has a limit of 0 km/h or lies outside `celle`.
std::optional<int64_t> tempo_minimo(const std::vector<Cella>& celle, int64_t da, int64_t a);

}  // namespace scenario
