#include <windows.h>

#include "platform/file_a_pezzi.h"
#include "platform/file_system.h"
#include "platform/testo_windows.h"

namespace scenario {
namespace {

HANDLE maniglia(std::intptr_t m) { return reinterpret_cast<HANDLE>(m); }

}  // namespace

void FileAPezzi::chiudi() {
  if (maniglia_ != -1) ::CloseHandle(maniglia(maniglia_));
  maniglia_ = -1;
}

Status FileAPezzi::apri(const std::string& percorso, uint64_t massimo, bool* troppo_grande) {
  ricomincia(percorso, troppo_grande);
  const HANDLE file = ::CreateFileW(utf16(percorso).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  LARGE_INTEGER dimensione{};
  if (file == INVALID_HANDLE_VALUE || ::GetFileType(file) != FILE_TYPE_DISK ||
      !::GetFileSizeEx(file, &dimensione)) {
    // Not a file on a disk (or not opened here): read whole, which also
    // gives the system's reason for a failure.
    if (file != INVALID_HANDLE_VALUE) ::CloseHandle(file);
    return leggi_file_limitato(percorso, massimo, &intero_, troppo_grande, &dimensione_);
  }
  dimensione_ = static_cast<uint64_t>(dimensione.QuadPart);
  if (dimensione_ > massimo) {
    ::CloseHandle(file);
    *troppo_grande = true;
    return Status::Ok();
  }
  maniglia_ = reinterpret_cast<std::intptr_t>(file);
  return Status::Ok();
}

size_t FileAPezzi::leggi_dal_sistema(uint64_t posizione, char* dove, size_t quanti) {
  size_t fatti = 0;
  while (fatti < quanti) {
    OVERLAPPED dove_leggere{};
    const uint64_t da = posizione + fatti;
    dove_leggere.Offset = static_cast<DWORD>(da & 0xFFFFFFFFu);
    dove_leggere.OffsetHigh = static_cast<DWORD>(da >> 32);
    DWORD letti = 0;
    if (!::ReadFile(maniglia(maniglia_), dove + fatti, static_cast<DWORD>(quanti - fatti), &letti, &dove_leggere)) {
      errore_ = errore_windows(N_("cannot read %1: %2"), percorso_, ::GetLastError());
      break;
    }
    if (letti == 0) break;
    fatti += letti;
  }
  return fatti;
}

}  // namespace scenario
