// How a compile ended, and the exit status that the program and the tool both
// give for it.
#pragma once

#include <cstdint>

#include "platform/status.h"
#include "platform/uscita.h"

namespace scenario {

struct EsitoCompilazione {
  int32_t fatale = 0;          // 1250 or 1251: a reserved slot was in use, nothing written
  bool senza_celle = false;    // reading ended before a cell array existed: nothing written
  Status file_system;          // a file operation failed
  bool file_scritti = false;   // the compiled files were written (or encoded, in memory)
};

// The exit status of a compile that ended as `esito` with `codice_errore` as
// its last recorded fault (0: none).
int stato_uscita(const EsitoCompilazione& esito, int32_t codice_errore);

}  // namespace scenario
