#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/file_system.h"
#include "platform/nomi_temporanei.h"
#include "platform/primitive_file.h"

namespace scenario {

TipoVoce tipo_voce(const std::string& percorso) {
  struct stat info {};
  if (::lstat(percorso.c_str(), &info) != 0) return TipoVoce::assente;
  if (S_ISREG(info.st_mode)) return TipoVoce::file;
  if (S_ISDIR(info.st_mode)) return TipoVoce::cartella;
  if (S_ISLNK(info.st_mode)) return TipoVoce::collegamento;
  return TipoVoce::altro;
}

namespace {

// The errors of a volume that has no hard links at all.
bool senza_collegamenti(int numero_errore) {
  return numero_errore == EPERM || numero_errore == EOPNOTSUPP || numero_errore == ENOSYS ||
         numero_errore == EMLINK;
}

// Copies the bytes and the permissions of `da` into the open, empty `a`.
int copia_in(const std::string& da, int a) {
  const int sorgente = ::open(da.c_str(), O_RDONLY | O_CLOEXEC);
  if (sorgente < 0) return errno;
  struct stat info {};
  int esito = ::fstat(sorgente, &info) == 0 ? 0 : errno;
  static char pezzo[64 * 1024];
  while (esito == 0) {
    const ssize_t letti = ::read(sorgente, pezzo, sizeof pezzo);
    if (letti < 0 && errno == EINTR) continue;
    if (letti <= 0) {
      esito = letti < 0 ? errno : 0;
      break;
    }
    for (ssize_t scritti = 0; esito == 0 && scritti < letti;) {
      const ssize_t n = ::write(a, pezzo + scritti, static_cast<size_t>(letti - scritti));
      if (n < 0 && errno != EINTR) esito = errno;
      if (n > 0) scritti += n;
    }
  }
  if (esito == 0 && ::fchmod(a, info.st_mode & 07777) != 0) esito = errno;
  // The copy may be all that is left of the earlier file after a power loss.
  if (esito == 0 && ::fsync(a) != 0 && errno != EINVAL) esito = errno;
  ::close(sorgente);
  return esito;
}

}  // namespace

Status secondo_nome(const std::string& bersaglio, std::string* copia) {
  const auto [cartella, nome] = dividi_percorso(bersaglio, "/");
  const std::string modello = (cartella == "." ? std::string() : cartella) + modello_temporaneo(nome);
  // mkstemp picks a free name; the link then takes the name over.
  std::string libero = modello;
  int fd = ::mkstemp(libero.data());
  if (fd < 0) return errore_sistema(N_("cannot keep the earlier %1: %2"), bersaglio, errno);
  if (!collegamenti_rifiutati_simulati()) {
    ::close(fd);
    ::unlink(libero.c_str());
    if (::link(bersaglio.c_str(), libero.c_str()) == 0) {
      *copia = libero;
      return Status::Ok();
    }
    if (!senza_collegamenti(errno)) return errore_sistema(N_("cannot keep the earlier %1: %2"), bersaglio, errno);
    libero = modello;
    fd = ::mkstemp(libero.data());
    if (fd < 0) return errore_sistema(N_("cannot keep the earlier %1: %2"), bersaglio, errno);
  }
  // No hard links on this volume: the earlier file is kept as a copy.
  const int esito = copia_in(bersaglio, fd);
  ::close(fd);
  if (esito != 0) {
    ::unlink(libero.c_str());
    return errore_sistema(N_("cannot keep the earlier %1: %2"), bersaglio, esito);
  }
  *copia = libero;
  return Status::Ok();
}

bool rinomina_sopra(const std::string& da, const std::string& a) { return ::rename(da.c_str(), a.c_str()) == 0; }

void rimuovi_nome(const std::string& percorso) { ::unlink(percorso.c_str()); }

void sincronizza_cartella_di(const std::string& percorso) {
  const std::string cartella = dividi_percorso(percorso, "/").first;
  const int fd = ::open(cartella.empty() ? "." : cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace scenario
