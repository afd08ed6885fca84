// The kilometre-post systems of the line, once the general section is read.
#pragma once

namespace scenario {

struct Compilatore;

// Sorts the three kilometre-post systems of rows 81 to 83 so that row 81 holds
// the one beginning furthest along the line, and adds 100 to the value of each
// decreasing system. Reports a failure only through codice_errore.
void progressive_ordina(Compilatore& stato);

}  // namespace scenario
