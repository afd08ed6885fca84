// The file-system service on Windows: wide-character calls, so that folders
// and names with any letters work, and bytes read as they are (no text mode).
#include <windows.h>

#include <algorithm>

#include "platform/file_system.h"
#include "platform/testo_windows.h"

namespace scenario {

Status leggi_file_limitato(const std::string& percorso, uint64_t massimo, std::string* contenuto,
                           bool* troppo_grande, uint64_t* dimensione) {
  contenuto->clear();
  *troppo_grande = false;
  *dimensione = 0;
  const HANDLE file = ::CreateFileW(utf16(percorso).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return errore_windows(N_("cannot open %1: %2"), percorso, ::GetLastError());
  auto fallisci = [&](std::string_view modello, DWORD codice) {
    ::CloseHandle(file);
    contenuto->clear();
    return errore_windows(modello, percorso, codice);
  };
  if (::GetFileType(file) == FILE_TYPE_DISK) {
    LARGE_INTEGER grandezza{};
    if (!::GetFileSizeEx(file, &grandezza)) return fallisci(N_("cannot read %1: %2"), ::GetLastError());
    *dimensione = static_cast<uint64_t>(grandezza.QuadPart);
    if (*dimensione > massimo) {
      ::CloseHandle(file);
      *troppo_grande = true;
      return Status::Ok();
    }
    contenuto->reserve(static_cast<size_t>(*dimensione));
  }
  char buffer[1 << 16];
  for (;;) {
    const uint64_t resta = massimo + 1 - contenuto->size();
    DWORD letti = 0;
    if (!::ReadFile(file, buffer, static_cast<DWORD>(std::min<uint64_t>(sizeof buffer, resta)), &letti, nullptr)) {
      const DWORD codice = ::GetLastError();
      if (codice == ERROR_BROKEN_PIPE) break;  // the writing end of a pipe closed
      return fallisci(N_("cannot read %1: %2"), codice);
    }
    if (letti == 0) break;
    contenuto->append(buffer, letti);
    if (contenuto->size() > massimo) {
      *troppo_grande = true;
      break;
    }
  }
  ::CloseHandle(file);
  *dimensione = contenuto->size();
  if (*troppo_grande) contenuto->clear();
  return Status::Ok();
}

bool file_esiste(const std::string& percorso) {
  const DWORD attributi = ::GetFileAttributesW(utf16(percorso).c_str());
  return attributi != INVALID_FILE_ATTRIBUTES && (attributi & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

Status elimina_file(const std::string& percorso) {
  if (!::DeleteFileW(utf16(percorso).c_str())) {
    const DWORD codice = ::GetLastError();
    if (codice != ERROR_FILE_NOT_FOUND && codice != ERROR_PATH_NOT_FOUND) {
      return errore_windows(N_("cannot delete %1: %2"), percorso, codice);
    }
  }
  return Status::Ok();
}

}  // namespace scenario
