#include "driver/memorizza_dati.h"

#include <string>
#include <utility>

#include "model/codici_errore.h"
#include "model/nomi_file.h"
#include "model/stato.h"
#include "platform/file_system.h"
#include "readers/linea_lettore.h"
#include "readers/treno_lettore.h"

namespace scenario {
namespace {

// A failure to delete is kept in errore_file_system: the run then ends as a
// file-system failure.
void elimina(Compilatore& stato, const std::string& percorso) {
  Status s = elimina_file(percorso);
  if (!s.ok() && stato.errore_file_system.ok()) stato.errore_file_system = s;
}

}  // namespace

bool memorizza_linea(Compilatore& stato, const NomiFile& nomi) {
  const std::string percorso = nomi.descrizione_linea();
  if (!file_esiste(percorso)) {
    stato.registra_su_file(kErroreLineaMancante, nomi.nome_descrizione_linea());  // nothing to delete
    return false;
  }
  bool treno = false;
  std::string testo;
  if (Status s = leggi_file(percorso, &testo); s.ok()) {
    treno = leggi_testo_linea(stato, nomi.nome_descrizione_linea(), testo);
  } else {
    stato.registra_su_file(kErroreLettura, nomi.nome_descrizione_linea(), s.messaggio());
  }
  elimina(stato, percorso);
  return treno;
}

void memorizza_treno(Compilatore& stato, const NomiFile& nomi) {
  std::string testo;
  const Status s = leggi_file(nomi.descrizione_treno(), &testo);
  bool letto = s.ok();
  if (letto) {
    letto = leggi_testo_treno(stato, nomi.nome_descrizione_treno(), testo);
  } else {
    stato.registra_su_file(kErroreLettura, nomi.nome_descrizione_treno(), s.messaggio());
  }
  elimina(stato, nomi.descrizione_treno());
  if (!letto) elimina(stato, nomi.descrizione_linea());
}

void memorizza_dati(Compilatore& stato, const NomiFile& nomi) {
  if (memorizza_linea(stato, nomi)) {
    memorizza_treno(stato, nomi);
    return;
  }
  // The train half does not run after this fault; its text is deleted all the
  // same.
  elimina(stato, nomi.descrizione_treno());
}

}  // namespace scenario
