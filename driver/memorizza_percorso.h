// The compile step on the program's files: reset, read and delete both
// descriptions, lay out, check and stamp the reserved slots, store the
// competition codes, write the compiled files.
#pragma once

#include <cstdint>

#include "driver/esito_compilazione.h"

namespace scenario {

class NomiFile;
struct Compilatore;

// Runs compile steps 1 to 7 on `stato`, whose identity is set, with the files
// named by `nomi`. It does not end the program: a failed reserved-slot check
// is returned in `fatale` before any compiled file is written.
EsitoCompilazione memorizza_percorso(Compilatore& stato, const NomiFile& nomi, int32_t genera_tracciato);

}  // namespace scenario
