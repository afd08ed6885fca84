#include "tests/programma.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "tests/cartella_temporanea.h"

namespace scenario::test {
namespace {

constexpr const char* kNomeProgramma = "compila_scenario";

std::string leggi_tutto(const std::string& percorso) {
  std::ifstream in(percorso, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Copies the program into the folder once; returns its path there.
std::string copia_programma(const std::string& cartella) {
  const std::string eseguibile = programma_in(cartella);
  if (!std::filesystem::exists(eseguibile)) {
    std::filesystem::copy_file(SCENARIO_PROGRAM, eseguibile);
  }
  return eseguibile;
}

// In the child: output to the given files, working folder "/", then the
// program. Never returns.
[[noreturn]] void esegui_nel_figlio(const std::string& eseguibile, const std::string& out, const std::string& err,
                                    bool senza_privilegi) {
  const int fd_out = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
  const int fd_err = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
  if (fd_out < 0 || fd_err < 0) ::_exit(126);
  ::dup2(fd_out, 1);
  ::dup2(fd_err, 2);
  if (::chdir("/") != 0) ::_exit(126);
  if (senza_privilegi && ::geteuid() == 0) {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(126);
  }
  ::execl(eseguibile.c_str(), kNomeProgramma, static_cast<char*>(nullptr));
  ::_exit(127);
}

}  // namespace

std::string programma_in(const std::string& cartella) { return cartella + "/" + kNomeProgramma; }

EsitoProgramma esegui_programma(const std::string& cartella, bool senza_privilegi) {
  const std::string eseguibile = copia_programma(cartella);
  CartellaTemporanea uscite;
  const std::string out = uscite.file("out");
  const std::string err = uscite.file("err");
  if (senza_privilegi) {
    // "nobody" must reach the captured output.
    std::filesystem::permissions(uscite.percorso(), std::filesystem::perms::all);
  }

  const pid_t figlio = ::fork();
  if (figlio == 0) esegui_nel_figlio(eseguibile, out, err, senza_privilegi);
  EsitoProgramma esito;
  int stato = 0;
  if (figlio > 0 && ::waitpid(figlio, &stato, 0) == figlio && WIFEXITED(stato)) esito.stato = WEXITSTATUS(stato);
  esito.out = leggi_tutto(out);
  esito.err = leggi_tutto(err);
  return esito;
}

pid_t avvia_comando(const std::vector<std::string>& argomenti) {
  std::vector<char*> argv;
  for (const std::string& a : argomenti) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  const pid_t figlio = ::fork();
  if (figlio == 0) {
    const int nulla = ::open("/dev/null", O_WRONLY);
    ::dup2(nulla, 1);
    ::dup2(nulla, 2);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  return figlio;
}

bool uccidi_dopo(pid_t figlio, std::chrono::steady_clock::time_point inizio, std::chrono::microseconds ritardo) {
  if (figlio < 0) return false;
  std::this_thread::sleep_until(inizio + ritardo);
  ::kill(figlio, SIGKILL);
  int stato = 0;
  ::waitpid(figlio, &stato, 0);
  return WIFSIGNALED(stato) && WTERMSIG(stato) == SIGKILL;
}

CostoComando esegui_misurando(const std::vector<std::string>& argomenti) {
  const auto inizio = std::chrono::steady_clock::now();
  const pid_t figlio = avvia_comando(argomenti);
  CostoComando costo;
  int stato = 0;
  struct rusage uso {};
  if (figlio > 0 && ::wait4(figlio, &stato, 0, &uso) == figlio && WIFEXITED(stato)) costo.stato = WEXITSTATUS(stato);
  costo.secondi = std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count();
  costo.picco_kib = uso.ru_maxrss;
  return costo;
}

pid_t avvia_programma(const std::string& cartella) {
  const std::string eseguibile = copia_programma(cartella);
  const pid_t figlio = ::fork();
  if (figlio == 0) esegui_nel_figlio(eseguibile, "/dev/null", "/dev/null", false);
  return figlio;
}

std::chrono::milliseconds tempo_di_avvio() { return std::chrono::milliseconds(300); }

int attendi_programma(pid_t id) {
  int stato = 0;
  if (id <= 0 || ::waitpid(id, &stato, 0) != id || !WIFEXITED(stato)) return -1;
  return WEXITSTATUS(stato);
}

}  // namespace scenario::test
