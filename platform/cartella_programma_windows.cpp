#include <windows.h>

#include "platform/cartella_programma.h"
#include "platform/testo_windows.h"

namespace scenario {

std::string cartella_programma() {
  std::wstring percorso(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = ::GetModuleFileNameW(nullptr, percorso.data(), static_cast<DWORD>(percorso.size()));
    if (n == 0) return {};
    if (n < percorso.size()) {
      percorso.resize(n);
      break;
    }
    percorso.resize(percorso.size() * 2);  // the path was cut short
  }
  const size_t barra = percorso.find_last_of(L"\\/");
  if (barra == std::wstring::npos) return {};
  // "C:\" keeps its separator: "C:" alone would mean the drive's working folder.
  if (barra == 2 && percorso[1] == L':') return utf8(percorso.substr(0, 3));
  return utf8(percorso.substr(0, barra));
}

}  // namespace scenario
