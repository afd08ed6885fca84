#include "readers/testo_descrizione.h"

#include "model/stato.h"
#include "platform/file_system.h"

namespace scenario {

bool carica_descrizione(const std::string& percorso, std::string* testo) {
  return leggi_file(percorso, testo).ok();
}

void elimina_descrizione(Compilatore& stato, const std::string& percorso) {
  Status s = elimina_file(percorso);
  if (!s.ok() && stato.errore_file_system.empty()) stato.errore_file_system = s.messaggio();
}

}  // namespace scenario
