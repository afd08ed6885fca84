// The parts of the file-system service that are the same on every system.
#include "platform/file_system.h"

#include <cstring>
#include <limits>

namespace scenario {

Status errore_sistema(std::string_view modello, const std::string& percorso, int numero_errore) {
  return Status::Error(Testo{modello, {percorso, std::strerror(numero_errore)}});
}

Status leggi_file(const std::string& percorso, std::string* contenuto) {
  bool troppo_grande = false;
  uint64_t dimensione = 0;
  return leggi_file_limitato(percorso, std::numeric_limits<uint64_t>::max() - 1, contenuto, &troppo_grande,
                             &dimensione);
}

}  // namespace scenario
