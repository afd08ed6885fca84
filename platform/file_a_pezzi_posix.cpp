#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/file_a_pezzi.h"
#include "platform/file_system.h"

namespace scenario {

void FileAPezzi::chiudi() {
  if (maniglia_ != -1) ::close(static_cast<int>(maniglia_));
  maniglia_ = -1;
}

Status FileAPezzi::apri(const std::string& percorso, uint64_t massimo, bool* troppo_grande) {
  ricomincia(percorso, troppo_grande);
  const int fd = ::open(percorso.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errore_sistema(N_("cannot open %1: %2"), percorso, errno);
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    const int numero_errore = errno;
    ::close(fd);
    return errore_sistema(N_("cannot read %1: %2"), percorso, numero_errore);
  }
  if (S_ISDIR(info.st_mode)) {
    ::close(fd);
    return errore_sistema(N_("cannot read %1: %2"), percorso, EISDIR);
  }
  if (!S_ISREG(info.st_mode)) {
    // Not a regular file (a pipe, a device): no size, no reads at a
    // position. It is read whole from this same opening, since a pipe
    // closed and opened again would have lost what was written to it.
    char pezzo[1 << 16];
    for (;;) {
      const ssize_t letti = ::read(fd, pezzo, sizeof pezzo);
      if (letti < 0 && errno == EINTR) continue;
      if (letti < 0) {
        const int numero_errore = errno;
        ::close(fd);
        intero_.clear();
        return errore_sistema(N_("cannot read %1: %2"), percorso, numero_errore);
      }
      if (letti == 0) break;
      intero_.append(pezzo, static_cast<size_t>(letti));
      if (intero_.size() > massimo) {
        *troppo_grande = true;
        intero_.clear();
        break;
      }
    }
    ::close(fd);
    dimensione_ = *troppo_grande ? massimo + 1 : intero_.size();
    return Status::Ok();
  }
  dimensione_ = static_cast<uint64_t>(info.st_size);
  if (dimensione_ > massimo) {
    ::close(fd);
    *troppo_grande = true;
    return Status::Ok();
  }
  maniglia_ = fd;
  return Status::Ok();
}

size_t FileAPezzi::leggi_dal_sistema(uint64_t posizione, char* dove, size_t quanti) {
  size_t fatti = 0;
  while (fatti < quanti) {
    const ssize_t n = ::pread(static_cast<int>(maniglia_), dove + fatti, quanti - fatti,
                              static_cast<off_t>(posizione + fatti));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) errore_ = errore_sistema(N_("cannot read %1: %2"), percorso_, errno);
    if (n <= 0) break;
    fatti += static_cast<size_t>(n);
  }
  return fatti;
}

}  // namespace scenario
