// Folders on Windows, through the wide-character calls: a folder named with
// any letters is made, listed and found.
#include <windows.h>

#include "platform/cartelle.h"
#include "platform/da_tradurre.h"
#include "platform/testo_windows.h"

namespace scenario {
namespace {

bool separatore(char c) { return c == '/' || c == '\\'; }

// Where the folders to make begin: after a drive ("C:" or "C:\"), or after
// the server and share of a network path ("\\server\share\"), which cannot
// be made.
size_t inizio_cartelle(const std::string& percorso) {
  if (percorso.size() >= 2 && percorso[1] == ':') return percorso.size() > 2 && separatore(percorso[2]) ? 3 : 2;
  if (percorso.size() >= 2 && separatore(percorso[0]) && separatore(percorso[1])) {
    size_t campi = 0;
    for (size_t i = 2; i < percorso.size(); ++i) {
      if (separatore(percorso[i]) && ++campi == 2) return i + 1;
    }
    return percorso.size();
  }
  return separatore(percorso.empty() ? '\0' : percorso[0]) ? 1 : 0;
}

bool e_cartella(const std::wstring& percorso) {
  const DWORD attributi = ::GetFileAttributesW(percorso.c_str());
  return attributi != INVALID_FILE_ATTRIBUTES && (attributi & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

Status crea_cartelle(const std::string& percorso, std::vector<std::string>* fatte) {
  for (size_t fine = inizio_cartelle(percorso); fine <= percorso.size(); ++fine) {
    if (fine < percorso.size() && !separatore(percorso[fine])) continue;
    const std::string parte = percorso.substr(0, fine);
    if (parte.empty() || separatore(parte.back())) continue;
    const std::wstring largo = utf16(parte);
    if (::CreateDirectoryW(largo.c_str(), nullptr)) {
      fatte->push_back(parte);
    } else if (const DWORD codice = ::GetLastError(); codice != ERROR_ALREADY_EXISTS && !e_cartella(largo)) {
      return errore_windows(N_("cannot create %1: %2"), parte, codice);
    }
  }
  return Status::Ok();
}

void rimuovi_cartella_vuota(const std::string& percorso) { ::RemoveDirectoryW(utf16(percorso).c_str()); }

Status file_in_cartella(const std::string& cartella, std::vector<std::string>* nomi) {
  nomi->clear();
  std::wstring modello = utf16(cartella);
  if (!modello.empty() && modello.back() != L'\\' && modello.back() != L'/') modello += L'\\';
  modello += L'*';
  WIN32_FIND_DATAW voce{};
  const HANDLE ricerca = ::FindFirstFileW(modello.c_str(), &voce);
  if (ricerca == INVALID_HANDLE_VALUE) {
    const DWORD codice = ::GetLastError();
    // A folder with nothing in it at all (not even "." on a drive's root).
    if (codice == ERROR_FILE_NOT_FOUND) return Status::Ok();
    return errore_windows(N_("cannot list %1: %2"), cartella, codice);
  }
  do {
    if ((voce.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) nomi->push_back(utf8(voce.cFileName));
  } while (::FindNextFileW(ricerca, &voce));
  const DWORD codice = ::GetLastError();
  ::FindClose(ricerca);
  if (codice != ERROR_NO_MORE_FILES) return errore_windows(N_("cannot list %1: %2"), cartella, codice);
  return Status::Ok();
}

bool qualcosa_a(const std::string& percorso) {
  if (::GetFileAttributesW(utf16(percorso).c_str()) != INVALID_FILE_ATTRIBUTES) return true;
  const DWORD codice = ::GetLastError();
  return codice != ERROR_FILE_NOT_FOUND && codice != ERROR_PATH_NOT_FOUND;
}

}  // namespace scenario
