#include "tests/picco_memoria.h"

#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <string>

namespace scenario::test {
namespace {

// The peak resident set of this process, KiB (VmHWM), or -1.
int64_t picco_kib() {
  std::ifstream stato("/proc/self/status");
  std::string riga;
  while (std::getline(stato, riga)) {
    if (riga.rfind("VmHWM:", 0) == 0) return std::stoll(riga.substr(6));
  }
  return -1;
}

// Writing 5 to clear_refs sets the peak to the present resident set.
bool azzera_picco() {
  std::ofstream azzera("/proc/self/clear_refs");
  azzera << "5";
  azzera.flush();
  return static_cast<bool>(azzera);
}

}  // namespace

std::optional<int64_t> crescita_picco_kib(const std::function<void()>& lavoro) {
  int tubo[2];
  if (::pipe(tubo) != 0) return std::nullopt;
  const pid_t figlio = ::fork();
  if (figlio < 0) {
    ::close(tubo[0]);
    ::close(tubo[1]);
    return std::nullopt;
  }
  if (figlio == 0) {
    ::close(tubo[0]);
    // Free heap pages kept from earlier tests would take new allocations
    // without raising the resident set: give them back first.
    ::malloc_trim(0);
    int64_t crescita = -1;
    if (azzera_picco()) {
      const int64_t prima = picco_kib();
      lavoro();
      const int64_t dopo = picco_kib();
      if (prima >= 0 && dopo >= 0) crescita = dopo - prima;
    }
    const bool scritto = ::write(tubo[1], &crescita, sizeof crescita) == static_cast<ssize_t>(sizeof crescita);
    ::_exit(scritto ? 0 : 1);
  }
  ::close(tubo[1]);
  int64_t crescita = -1;
  const bool letto = ::read(tubo[0], &crescita, sizeof crescita) == static_cast<ssize_t>(sizeof crescita);
  ::close(tubo[0]);
  int stato = 0;
  ::waitpid(figlio, &stato, 0);
  if (!letto || crescita < 0 || !WIFEXITED(stato) || WEXITSTATUS(stato) != 0) return std::nullopt;
  return crescita;
}

}  // namespace scenario::test
