#include <windows.h>

#include "platform/testo_windows.h"
#include "tests/motivo_mancante.h"

namespace scenario::test {

std::string motivo_file_mancante() { return errore_windows("%2", "", ERROR_FILE_NOT_FOUND).messaggio(); }

}  // namespace scenario::test
