// Whole-file replacement on Windows: the new bytes go to a temporary file in
// the target's folder, written as they are (binary: a CR LF stays two bytes),
// and only a complete, closed file is moved over the target in one step
// (MoveFileExW replacing the target, written through to the disk). A target
// that another program holds open fails the move with the system's reason,
// and stays as it was.
#include <windows.h>

#include <vector>

#include "platform/blocco_cartella.h"
#include "platform/diario_insieme.h"
#include "platform/file_system.h"
#include "platform/nomi_temporanei.h"
#include "platform/testo_windows.h"

namespace scenario {
namespace {

HANDLE maniglia(std::intptr_t m) { return reinterpret_cast<HANDLE>(m); }

constexpr std::intptr_t kNessuna = -1;  // INVALID_HANDLE_VALUE's value

}  // namespace

void rimuovi_temporanei(const BloccoCartella& blocco, const std::vector<std::string>& nomi_scritti) {
  const std::string& cartella = blocco.cartella();
  // A set that a killed run left half replaced is completed first: its new
  // files are temporary files of these names.
  completa_insieme_interrotto(cartella + "\\");
  std::vector<std::string> nomi = nomi_scritti;
  nomi.emplace_back(kNomeDiario);
  WIN32_FIND_DATAW voce{};
  const HANDLE ricerca = ::FindFirstFileW(utf16(cartella + "\\*").c_str(), &voce);
  if (ricerca == INVALID_HANDLE_VALUE) return;
  std::vector<std::string> orfani;
  do {
    const std::string nome_voce = utf8(voce.cFileName);
    for (const std::string& nome : nomi) {
      if (temporaneo_di(nome_voce, nome)) orfani.push_back(nome_voce);
    }
  } while (::FindNextFileW(ricerca, &voce));
  ::FindClose(ricerca);
  for (const std::string& n : orfani) ::DeleteFileW(utf16(cartella + "\\" + n).c_str());
}

FileInSostituzione::~FileInSostituzione() { abbandona(); }

void FileInSostituzione::abbandona() {
  if (maniglia_ != kNessuna) ::CloseHandle(maniglia(maniglia_));
  if (!temporaneo_.empty()) ::DeleteFileW(utf16(temporaneo_).c_str());
  maniglia_ = kNessuna;
  temporaneo_.clear();
}

// On Windows `numero_errore` is the system's error code.
Status FileInSostituzione::fallisci(const char* modello, int numero_errore) {
  abbandona();
  return errore_windows(modello, percorso_, static_cast<unsigned long>(numero_errore));
}

Status FileInSostituzione::apri(const std::string& percorso) {
  abbandona();
  percorso_ = percorso;
  const auto [cartella, nome] = dividi_percorso(percorso, "/\\");
  const std::string prefisso = (cartella == "." ? std::string() : cartella) + modello_temporaneo(nome);
  const std::string base = prefisso.substr(0, prefisso.size() - kCaratteriCasuali);
  // CREATE_NEW takes only a free name, as mkstemp does.
  for (unsigned tentativo = 0;; ++tentativo) {
    const std::string candidato = base + caratteri_casuali();
    const HANDLE file = ::CreateFileW(utf16(candidato).c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                      nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      maniglia_ = reinterpret_cast<std::intptr_t>(file);
      temporaneo_ = candidato;
      break;
    }
    const DWORD codice = ::GetLastError();
    if ((codice != ERROR_FILE_EXISTS && codice != ERROR_ALREADY_EXISTS) || tentativo >= 100) {
      return errore_windows(N_("cannot create %1: %2"), percorso, codice);
    }
  }
  if (guasto_simulato(percorso)) return fallisci(N_("cannot write %1: %2"), ERROR_WRITE_FAULT);
  return Status::Ok();
}

Status FileInSostituzione::scrivi(std::string_view pezzo) {
  while (!pezzo.empty()) {
    DWORD scritti = 0;
    const DWORD quanti = static_cast<DWORD>(std::min<size_t>(pezzo.size(), 1u << 30));
    if (!::WriteFile(maniglia(maniglia_), pezzo.data(), quanti, &scritti, nullptr)) {
      return fallisci(N_("cannot write %1: %2"), static_cast<int>(::GetLastError()));
    }
    pezzo.remove_prefix(scritti);
  }
  return Status::Ok();
}

Status FileInSostituzione::scrivi_in(uint64_t posizione, std::string_view pezzo) {
  // A positioned write moves the file's position: it is put back after.
  LARGE_INTEGER zero{};
  LARGE_INTEGER prima{};
  if (!::SetFilePointerEx(maniglia(maniglia_), zero, &prima, FILE_CURRENT)) {
    return fallisci(N_("cannot write %1: %2"), static_cast<int>(::GetLastError()));
  }
  while (!pezzo.empty()) {
    OVERLAPPED dove{};
    dove.Offset = static_cast<DWORD>(posizione & 0xFFFFFFFFu);
    dove.OffsetHigh = static_cast<DWORD>(posizione >> 32);
    DWORD scritti = 0;
    const DWORD quanti = static_cast<DWORD>(std::min<size_t>(pezzo.size(), 1u << 30));
    if (!::WriteFile(maniglia(maniglia_), pezzo.data(), quanti, &scritti, &dove)) {
      return fallisci(N_("cannot write %1: %2"), static_cast<int>(::GetLastError()));
    }
    pezzo.remove_prefix(scritti);
    posizione += scritti;
  }
  if (!::SetFilePointerEx(maniglia(maniglia_), prima, nullptr, FILE_BEGIN)) {
    return fallisci(N_("cannot write %1: %2"), static_cast<int>(::GetLastError()));
  }
  return Status::Ok();
}

Status FileInSostituzione::completa() {
  if (maniglia_ == kNessuna) return Status::Ok();
  const HANDLE file = maniglia(maniglia_);
  // The bytes reach the disk before the name does: a power loss after the
  // move finds the whole new file.
  if (!::FlushFileBuffers(file)) return fallisci(N_("cannot write %1: %2"), static_cast<int>(::GetLastError()));
  maniglia_ = kNessuna;
  if (!::CloseHandle(file)) return fallisci(N_("cannot close %1: %2"), static_cast<int>(::GetLastError()));
  return Status::Ok();
}

Status FileInSostituzione::rinomina() {
  if (guasto_rinomina_simulato(percorso_)) return fallisci(N_("cannot replace %1: %2"), ERROR_WRITE_FAULT);
  if (!::MoveFileExW(utf16(temporaneo_).c_str(), utf16(percorso_).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return fallisci(N_("cannot replace %1: %2"), static_cast<int>(::GetLastError()));
  }
  temporaneo_.clear();
  return Status::Ok();
}

}  // namespace scenario
