// Turns on a folder on Windows: a named mutex per folder. A lock on the
// folder's own handle is not open to us there (byte-range locks work on files
// only, and denying other openers the folder would stop anyone listing it),
// and a lock file could be left behind. The mutex is named after the folder's
// full path, in lower case as the file system compares names; the system
// releases it when its holder ends, however it ends. A mutex belongs to a
// thread and lets that thread in again, so the runs of one process also take
// turns on a list of their own.
#include <windows.h>

#include <condition_variable>
#include <mutex>
#include <set>

#include "platform/blocco_cartella.h"
#include "platform/file_system.h"
#include "platform/testo_windows.h"

namespace scenario {
namespace {

std::mutex guardia;
std::condition_variable liberata;
std::set<std::wstring>& tenute() {
  static std::set<std::wstring> nomi;
  return nomi;
}

// The mutex's name: a hash of the folder's full path (a name may not hold
// backslashes, nor be as long as a path can be).
std::wstring nome_mutex(std::wstring percorso) {
  ::CharLowerBuffW(percorso.data(), static_cast<DWORD>(percorso.size()));
  while (percorso.size() > 3 && (percorso.back() == L'\\' || percorso.back() == L'/')) percorso.pop_back();
  uint64_t hash = 14695981039346656037ull;  // FNV-1a
  for (wchar_t c : percorso) {
    hash ^= static_cast<uint16_t>(c);
    hash *= 1099511628211ull;
  }
  wchar_t cifre[17];
  for (int i = 15; i >= 0; --i) {
    cifre[i] = L"0123456789abcdef"[hash & 15];
    hash >>= 4;
  }
  cifre[16] = L'\0';
  return L"Local\\scenario-cartella-" + std::wstring(cifre);
}

}  // namespace

BloccoCartella::~BloccoCartella() {
  if (maniglia_ == -1) return;
  const HANDLE mutex = reinterpret_cast<HANDLE>(maniglia_);
  ::ReleaseMutex(mutex);
  ::CloseHandle(mutex);
  std::lock_guard<std::mutex> g(guardia);
  tenute().erase(nome_);
  liberata.notify_all();
}

Status BloccoCartella::prendi(const std::string& cartella, const std::function<void()>& in_attesa,
                              bool /*condiviso*/) {
  const std::wstring largo = utf16(cartella);
  const DWORD attributi = ::GetFileAttributesW(largo.c_str());
  if (attributi == INVALID_FILE_ATTRIBUTES) {
    return errore_windows(N_("cannot open the folder %1: %2"), cartella, ::GetLastError());
  }
  if ((attributi & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    return errore_windows(N_("cannot open the folder %1: %2"), cartella, ERROR_DIRECTORY);
  }
  std::wstring completo(32768, L'\0');
  const DWORD n = ::GetFullPathNameW(largo.c_str(), static_cast<DWORD>(completo.size()), completo.data(), nullptr);
  if (n == 0 || n >= completo.size()) {
    return errore_windows(N_("cannot lock the folder %1: %2"), cartella, ::GetLastError());
  }
  completo.resize(n);
  const std::wstring nome = nome_mutex(completo);

  bool avvisato = false;
  auto avvisa = [&] {
    if (!avvisato && in_attesa) in_attesa();
    avvisato = true;
  };
  {
    std::unique_lock<std::mutex> g(guardia);
    if (tenute().count(nome) != 0) {
      g.unlock();
      avvisa();
      g.lock();
      liberata.wait(g, [&] { return tenute().count(nome) == 0; });
    }
    tenute().insert(nome);
  }
  auto lascia = [&] {
    std::lock_guard<std::mutex> g(guardia);
    tenute().erase(nome);
    liberata.notify_all();
  };
  const HANDLE mutex = ::CreateMutexW(nullptr, FALSE, nome.c_str());
  if (mutex == nullptr) {
    const DWORD codice = ::GetLastError();
    lascia();
    return errore_windows(N_("cannot lock the folder %1: %2"), cartella, codice);
  }
  DWORD esito = ::WaitForSingleObject(mutex, 0);
  if (esito == WAIT_TIMEOUT) {
    avvisa();
    esito = ::WaitForSingleObject(mutex, INFINITE);
  }
  // WAIT_ABANDONED: the holder ended without letting go; the turn is ours.
  if (esito != WAIT_OBJECT_0 && esito != WAIT_ABANDONED) {
    const DWORD codice = ::GetLastError();
    ::CloseHandle(mutex);
    lascia();
    return errore_windows(N_("cannot lock the folder %1: %2"), cartella, codice);
  }
  if (maniglia_ != -1) {
    ::ReleaseMutex(reinterpret_cast<HANDLE>(maniglia_));
    ::CloseHandle(reinterpret_cast<HANDLE>(maniglia_));
    std::lock_guard<std::mutex> g(guardia);
    tenute().erase(nome_);
  }
  maniglia_ = reinterpret_cast<std::intptr_t>(mutex);
  nome_ = nome;
  cartella_ = cartella;
  return Status::Ok();
}

}  // namespace scenario
