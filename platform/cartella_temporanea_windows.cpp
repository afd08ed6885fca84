#include <windows.h>

#include "platform/cartella_temporanea.h"
#include "platform/testo_windows.h"

namespace scenario {

std::string cartella_temporanea_di_sistema() {
  wchar_t percorso[MAX_PATH + 1];
  const DWORD n = ::GetTempPathW(MAX_PATH + 1, percorso);
  if (n == 0 || n > MAX_PATH) return "C:\\Windows\\Temp";
  std::wstring cartella(percorso, n);
  if (cartella.size() > 3 && cartella.back() == L'\\') cartella.pop_back();
  return utf8(cartella);
}

}  // namespace scenario
