#include "tool/destinazione.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/file_system.h"

namespace scenario::tool {

Destinazione::~Destinazione() {
  if (confermata_) return;
  for (auto it = fatte_.rbegin(); it != fatte_.rend(); ++it) ::rmdir(it->c_str());
}

Status Destinazione::prepara(const std::string& cartella, const std::vector<std::string>& nomi,
                             const std::function<void()>& in_attesa) {
  // Each missing folder of the path, outermost first, is made and noted.
  for (size_t fine = cartella.find('/', 1);; fine = cartella.find('/', fine + 1)) {
    const std::string parte = cartella.substr(0, fine);
    if (!parte.empty() && ::mkdir(parte.c_str(), 0777) == 0) {
      fatte_.push_back(parte);
    } else if (!parte.empty() && errno != EEXIST) {
      return errore_sistema(N_("cannot create %1: %2"), parte, errno);
    }
    if (fine == std::string::npos) break;
  }
  Status s = blocco_.prendi(cartella, in_attesa);
  if (s.ok()) rimuovi_temporanei(blocco_, nomi);
  return s;
}

}  // namespace scenario::tool
