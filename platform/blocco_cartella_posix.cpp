#include "platform/blocco_cartella.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "platform/file_system.h"

namespace scenario {

BloccoCartella::~BloccoCartella() {
  if (maniglia_ >= 0) ::close(static_cast<int>(maniglia_));  // closing the descriptor releases the lock
}

Status BloccoCartella::prendi(const std::string& cartella, const std::function<void()>& in_attesa, bool condiviso) {
  const int modo = condiviso ? LOCK_SH : LOCK_EX;
  const int fd = ::open(cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errore_sistema(N_("cannot open the folder %1: %2"), cartella, errno);
  int esito = ::flock(fd, modo | LOCK_NB);
  if (esito != 0 && errno == EWOULDBLOCK) {
    if (in_attesa) in_attesa();
    do {
      esito = ::flock(fd, modo);
    } while (esito != 0 && errno == EINTR);
  }
  if (esito != 0) {
    const int e = errno;
    ::close(fd);
    return errore_sistema(N_("cannot lock the folder %1: %2"), cartella, e);
  }
  if (maniglia_ >= 0) ::close(static_cast<int>(maniglia_));
  maniglia_ = fd;
  cartella_ = cartella;
  return Status::Ok();
}

}  // namespace scenario
