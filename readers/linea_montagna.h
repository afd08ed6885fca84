// The placement of a mountain section of the line.
#pragma once

#include <cstdint>

namespace scenario {

struct Compilatore;

// Lays the mountain section from `inizio` to `fine` metres over its cells. A
// `tipo` above 10 marks the section (mark cells every 200 m) and loses the 10;
// a section within 150 m of the previous one takes scenery type 3. `tipo` is
// the caller's and is changed accordingly. Reports a failure only through
// codice_errore.
void memo_montagna(Compilatore& stato, int32_t inizio, int32_t fine, int32_t& tipo);

}  // namespace scenario
