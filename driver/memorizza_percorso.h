// The compile step: reset, read both descriptions, lay out, check and stamp
// the reserved slots, store the competition codes, write the compiled files.
#pragma once

#include <cstdint>

#include "platform/status.h"

namespace scenario {

struct Compilatore;

struct EsitoCompilazione {
  int32_t fatale = 0;          // 1250 or 1251: a reserved slot was in use, nothing written
  bool senza_celle = false;    // reading ended before a cell array existed: nothing written
  Status file_system;          // a file operation failed
  bool file_scritti = false;   // the compiled files were written
};

// Runs compile steps 1 to 7 on `stato`, whose identity and folder are set.
// It does not end the program: a failed reserved-slot check is returned in
// `fatale` before any compiled file is written.
EsitoCompilazione memorizza_percorso(Compilatore& stato, int32_t genera_tracciato);

}  // namespace scenario
