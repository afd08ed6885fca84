// The report at the end of a run: every fault recorded, with its position and
// meaning, so that a fault never looks like success.
#pragma once

#include <string>

namespace scenario {

struct Compilatore;
struct Guasto;

// " Errore n. 15 at 95000 m: position beyond the end of the cell array (file, line 40)"
std::string testo_guasto(const Guasto& guasto);

// Prints the faults of the run (when codice_errore is not 0) and the warnings
// the program shows, on standard error.
void stampa_rapporto(const Compilatore& stato);

}  // namespace scenario
