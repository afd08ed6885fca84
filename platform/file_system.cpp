#include "platform/file_system.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace scenario {
Status errore_sistema(const std::string& azione, const std::string& percorso, int numero_errore) {
  return Status::Error(azione + " " + percorso + ": " + std::strerror(numero_errore));
}

Status leggi_file(const std::string& percorso, std::string* contenuto) {
  contenuto->clear();
  const int fd = ::open(percorso.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errore_sistema("cannot open", percorso, errno);
  char buffer[1 << 16];
  for (;;) {
    const ssize_t letti = ::read(fd, buffer, sizeof buffer);
    if (letti < 0) {
      if (errno == EINTR) continue;
      const int e = errno;
      ::close(fd);
      return errore_sistema("cannot read", percorso, e);
    }
    if (letti == 0) break;
    contenuto->append(buffer, static_cast<size_t>(letti));
  }
  ::close(fd);
  return Status::Ok();
}

bool file_esiste(const std::string& percorso) {
  struct stat info {};
  return ::stat(percorso.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

Status elimina_file(const std::string& percorso) {
  if (::unlink(percorso.c_str()) != 0 && errno != ENOENT) return errore_sistema("cannot delete", percorso, errno);
  return Status::Ok();
}

}  // namespace scenario
