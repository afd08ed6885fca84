#include "platform/file_system.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace scenario {

Status leggi_file_limitato(const std::string& percorso, uint64_t massimo, std::string* contenuto,
                           bool* troppo_grande, uint64_t* dimensione) {
  contenuto->clear();
  *troppo_grande = false;
  *dimensione = 0;
  const int fd = ::open(percorso.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errore_sistema(N_("cannot open %1: %2"), percorso, errno);
  auto fallisci = [&](std::string_view modello, int numero_errore) {
    ::close(fd);
    contenuto->clear();
    return errore_sistema(modello, percorso, numero_errore);
  };
  struct stat info {};
  if (::fstat(fd, &info) != 0) return fallisci(N_("cannot read %1: %2"), errno);
  if (S_ISDIR(info.st_mode)) return fallisci(N_("cannot read %1: %2"), EISDIR);
  if (S_ISREG(info.st_mode)) {
    *dimensione = static_cast<uint64_t>(info.st_size);
    if (*dimensione > massimo) {
      ::close(fd);
      *troppo_grande = true;
      return Status::Ok();
    }
    contenuto->reserve(static_cast<size_t>(*dimensione));
  }
  // A file that is not regular (a pipe, a device) tells no size: it is read
  // in pieces, and at most one byte past the limit.
  char buffer[1 << 16];
  for (;;) {
    const uint64_t resta = massimo + 1 - contenuto->size();
    const ssize_t letti = ::read(fd, buffer, static_cast<size_t>(std::min<uint64_t>(sizeof buffer, resta)));
    if (letti < 0) {
      if (errno == EINTR) continue;
      return fallisci(N_("cannot read %1: %2"), errno);
    }
    if (letti == 0) break;
    contenuto->append(buffer, static_cast<size_t>(letti));
    if (contenuto->size() > massimo) {
      *troppo_grande = true;
      break;
    }
  }
  ::close(fd);
  *dimensione = contenuto->size();
  if (*troppo_grande) contenuto->clear();
  return Status::Ok();
}

bool file_esiste(const std::string& percorso) {
  struct stat info {};
  return ::stat(percorso.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

Status elimina_file(const std::string& percorso) {
  if (::unlink(percorso.c_str()) != 0 && errno != ENOENT) return errore_sistema(N_("cannot delete %1: %2"), percorso, errno);
  return Status::Ok();
}

}  // namespace scenario
