#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/cartelle.h"
#include "platform/da_tradurre.h"
#include "platform/file_system.h"

namespace scenario {

Status crea_cartelle(const std::string& percorso, std::vector<std::string>* fatte) {
  for (size_t fine = percorso.find('/', 1);; fine = percorso.find('/', fine + 1)) {
    const std::string parte = percorso.substr(0, fine);
    if (!parte.empty() && ::mkdir(parte.c_str(), 0777) == 0) {
      fatte->push_back(parte);
    } else if (!parte.empty() && errno != EEXIST) {
      return errore_sistema(N_("cannot create %1: %2"), parte, errno);
    }
    if (fine == std::string::npos) break;
  }
  return Status::Ok();
}

void rimuovi_cartella_vuota(const std::string& percorso) { ::rmdir(percorso.c_str()); }

Status file_in_cartella(const std::string& cartella, std::vector<std::string>* nomi) {
  nomi->clear();
  DIR* d = ::opendir(cartella.c_str());
  if (d == nullptr) return errore_sistema(N_("cannot list %1: %2"), cartella, errno);
  const int fd = ::dirfd(d);
  for (;;) {
    errno = 0;
    const dirent* voce = ::readdir(d);
    if (voce == nullptr) break;
    struct stat info {};
    // A link to a regular file counts, as the file it names.
    if (::fstatat(fd, voce->d_name, &info, 0) == 0 && S_ISREG(info.st_mode)) nomi->emplace_back(voce->d_name);
  }
  const int numero_errore = errno;
  ::closedir(d);
  if (numero_errore != 0) return errore_sistema(N_("cannot list %1: %2"), cartella, numero_errore);
  return Status::Ok();
}

bool qualcosa_a(const std::string& percorso) {
  struct stat info {};
  return ::stat(percorso.c_str(), &info) == 0 || (errno != ENOENT && errno != ENOTDIR);
}

}  // namespace scenario
