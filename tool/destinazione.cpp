#include "tool/destinazione.h"

#include "platform/cartelle.h"
#include "platform/file_system.h"

namespace scenario::tool {

Destinazione::~Destinazione() {
  if (confermata_) return;
  for (auto it = fatte_.rbegin(); it != fatte_.rend(); ++it) rimuovi_cartella_vuota(*it);
}

Status Destinazione::prepara(const std::string& cartella, const std::vector<std::string>& nomi,
                             const std::function<void()>& in_attesa) {
  // Each missing folder of the path, outermost first, is made and noted.
  if (Status s = crea_cartelle(cartella, &fatte_); !s.ok()) return s;
  Status s = blocco_.prendi(cartella, in_attesa);
  if (s.ok()) rimuovi_temporanei(blocco_, nomi);
  return s;
}

}  // namespace scenario::tool
