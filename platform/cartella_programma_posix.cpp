#include "platform/cartella_programma.h"

#include <climits>
#include <unistd.h>

namespace scenario {

std::string cartella_programma() {
  char percorso[PATH_MAX + 1];
  const ssize_t n = ::readlink("/proc/self/exe", percorso, PATH_MAX);
  if (n <= 0) return {};
  std::string eseguibile(percorso, static_cast<size_t>(n));
  const size_t barra = eseguibile.rfind('/');
  if (barra == std::string::npos) return {};
  if (barra == 0) return "/";
  return eseguibile.substr(0, barra);
}

}  // namespace scenario
