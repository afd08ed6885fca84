#include "tool/lettura_descrizione.h"

#include "platform/file_system.h"
#include "platform/traduzione.h"
#include "platform/uscita.h"
#include "tool/argomenti.h"

namespace scenario::tool {

int leggi_descrizione(const std::string& percorso, std::string* testo, std::string* errore) {
  bool troppo_grande = false;
  uint64_t dimensione = 0;
  const Status s = leggi_file_limitato(percorso, kDescrizioneMassima, testo, &troppo_grande, &dimensione);
  if (!s.ok()) {
    *errore = nella_lingua(s.testo());
    return kUscitaFileSystem;
  }
  if (troppo_grande) {
    *errore = componi(traduci("%1 holds more than %2 bytes (64 MiB), the most a description may hold"),
                      {percorso, std::to_string(kDescrizioneMassima)});
    return kUscitaDatiNonValidi;
  }
  return 0;
}

}  // namespace scenario::tool
