// Windows only: UTF-8 paths to the system's UTF-16 and back, and the system's
// reason for a failure as an error message.
#pragma once

#include <string>
#include <string_view>

#include "platform/status.h"

namespace scenario {

std::wstring utf16(std::string_view utf8);
std::string utf8(std::wstring_view utf16);

// A failure of a system call on `percorso`, as errore_sistema makes it, with
// the system's own text for the error code `codice` (GetLastError()).
Status errore_windows(std::string_view modello, const std::string& percorso, unsigned long codice);

}  // namespace scenario
