// The placement routines of the line objects: the kilometre-post systems, the
// mountain sections and the maximum-speed indicators. Each works on the
// compiler state and reports a failure only through codice_errore.
#pragma once

#include <cstdint>

namespace scenario {

struct Compilatore;

// Sorts the three kilometre-post systems of rows 81 to 83 so that row 81 holds
// the one beginning furthest along the line, and adds 100 to the value of each
// decreasing system.
void progressive_ordina(Compilatore& stato);

// Lays the mountain section from `inizio` to `fine` metres over its cells. A
// `tipo` above 10 marks the section (mark cells every 200 m) and loses the 10;
// a section within 150 m of the previous one takes scenery type 3. `tipo` is
// the caller's and is changed accordingly.
void memo_montagna(Compilatore& stato, int32_t inizio, int32_t fine, int32_t& tipo);

// One entry of maximum-speed indicators, its fields in the entry's order:
// speeds in km/h for the train categories A, B, C on the left (vas, vbs, vcs)
// and on the right (vad, vbd, vcd), and the stripe count of each side.
struct IndicatoriVMax {
  int32_t posizione = 0;
  int32_t vas = 0;
  int32_t vbs = 0;
  int32_t vcs = 0;
  int32_t strisces = 0;
  int32_t vad = 0;
  int32_t vbd = 0;
  int32_t vcd = 0;
  int32_t strisced = 0;
};

// Places the indicators into cell posizione / 50 + 1, or records kErroreIndicatoreOccupato when
// that cell is taken.
void memo_indicatori_v_max(Compilatore& stato, const IndicatoriVMax& voce);

}  // namespace scenario
