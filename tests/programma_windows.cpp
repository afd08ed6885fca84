#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "platform/testo_windows.h"
#include "tests/cartella_temporanea.h"
#include "tests/programma.h"

namespace scenario::test {
namespace {

constexpr const char* kNomeProgramma = "compila_scenario.exe";

std::string leggi_tutto(const std::string& percorso) {
  std::ifstream in(std::filesystem::path(utf16(percorso)), std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string copia_programma(const std::string& cartella) {
  const std::string eseguibile = programma_in(cartella);
  const std::filesystem::path destinazione(utf16(eseguibile));
  if (!std::filesystem::exists(destinazione)) std::filesystem::copy_file(SCENARIO_PROGRAM, destinazione);
  return eseguibile;
}

HANDLE apri_uscita(const std::string& percorso) {
  SECURITY_ATTRIBUTES ereditabile{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  return ::CreateFileW(utf16(percorso).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &ereditabile,
                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Starts `riga` with its output to the two files (NUL when empty), in the
// root folder of the system drive; returns the process's handle, or null.
HANDLE avvia(const std::string& eseguibile, std::wstring riga, const std::string& out, const std::string& err) {
  const HANDLE h_out = apri_uscita(out.empty() ? "NUL" : out);
  const HANDLE h_err = apri_uscita(err.empty() ? "NUL" : err);
  STARTUPINFOW avvio{};
  avvio.cb = sizeof avvio;
  avvio.dwFlags = STARTF_USESTDHANDLES;
  avvio.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
  avvio.hStdOutput = h_out;
  avvio.hStdError = h_err;
  PROCESS_INFORMATION processo{};
  const BOOL ok = ::CreateProcessW(utf16(eseguibile).c_str(), riga.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                   L"C:\\", &avvio, &processo);
  ::CloseHandle(h_out);
  ::CloseHandle(h_err);
  if (!ok) return nullptr;
  ::CloseHandle(processo.hThread);
  return processo.hProcess;
}

int attendi(HANDLE processo) {
  if (processo == nullptr) return -1;
  ::WaitForSingleObject(processo, INFINITE);
  DWORD stato = 0;
  const int esito = ::GetExitCodeProcess(processo, &stato) ? static_cast<int>(stato) : -1;
  return esito;
}

}  // namespace

std::string programma_in(const std::string& cartella) { return cartella + "/" + kNomeProgramma; }

EsitoProgramma esegui_programma(const std::string& cartella, bool /*senza_privilegi*/) {
  const std::string eseguibile = copia_programma(cartella);
  CartellaTemporanea uscite;
  const HANDLE processo = avvia(eseguibile, L"compila_scenario", uscite.file("out"), uscite.file("err"));
  EsitoProgramma esito;
  esito.stato = attendi(processo);
  if (processo != nullptr) ::CloseHandle(processo);
  // Standard output and error are text streams: each line ends in CR LF
  // there. The tests read them with the line ends of Linux.
  auto righe = [](std::string testo) {
    for (size_t i = testo.find("\r\n"); i != std::string::npos; i = testo.find("\r\n", i)) testo.erase(i, 1);
    return testo;
  };
  esito.out = righe(leggi_tutto(uscite.file("out")));
  esito.err = righe(leggi_tutto(uscite.file("err")));
  return esito;
}

CostoComando esegui_misurando(const std::vector<std::string>& argomenti) {
  std::wstring riga;
  for (const std::string& a : argomenti) riga += (riga.empty() ? L"\"" : L" \"") + utf16(a) + L"\"";
  const auto inizio = std::chrono::steady_clock::now();
  const HANDLE processo = avvia(argomenti.at(0), riga, "", "");
  CostoComando costo;
  costo.stato = attendi(processo);
  costo.secondi = std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count();
  if (processo != nullptr) {
    PROCESS_MEMORY_COUNTERS memoria{};
    if (::GetProcessMemoryInfo(processo, &memoria, sizeof memoria)) {
      costo.picco_kib = static_cast<long>(memoria.PeakWorkingSetSize / 1024);
    }
    ::CloseHandle(processo);
  }
  return costo;
}

// The runs started and not yet waited for, by their ids: the handle keeps
// the id from being reused by another process meanwhile.
std::map<pid_t, HANDLE>& avviati() {
  static std::map<pid_t, HANDLE> processi;
  return processi;
}

pid_t avvia_programma(const std::string& cartella) {
  const std::string eseguibile = copia_programma(cartella);
  const HANDLE processo = avvia(eseguibile, L"compila_scenario", "", "");
  if (processo == nullptr) return -1;
  const pid_t id = static_cast<pid_t>(::GetProcessId(processo));
  avviati()[id] = processo;
  return id;
}

std::chrono::milliseconds tempo_di_avvio() { return std::chrono::milliseconds(3000); }

int attendi_programma(pid_t id) {
  const auto trovato = avviati().find(id);
  if (trovato == avviati().end()) return -1;
  const int stato = attendi(trovato->second);
  ::CloseHandle(trovato->second);
  avviati().erase(trovato);
  return stato;
}

}  // namespace scenario::test
