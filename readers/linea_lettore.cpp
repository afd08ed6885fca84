#include "readers/linea_lettore.h"

#include <string>
#include <utility>

#include "model/codici_errore.h"
#include "model/stato.h"
#include "readers/linea_lettura.h"
#include "readers/ripresa.h"

namespace scenario {
namespace {

Esito leggi_descrizione(LetturaLinea& l, const PuntoLettura* da) {
  if (da != nullptr && da->ciclo == Ciclo::kOggettiLinea) return leggi_parte_oggetti(l);
  // Everything before the general section is passed over.
  if (da == nullptr && !l.passa_a_generale()) {
    l.guasto(kErroreSenzaGenerale);
    return Esito::kFermo;
  }
  const Esito generale = leggi_sezione_generale(l);
  crea_celle_e_tracciato(l);
  if (generale == Esito::kFermo) return generale;
  // A file that never closes its general section still gets the end of the
  // section and then the end of the file.
  if (chiudi_sezione_generale(l) == Esito::kFermo) return Esito::kFermo;
  if (generale == Esito::kFineTesto) return Esito::kFineTesto;
  return leggi_parte_oggetti(l);
}

}  // namespace

bool leggi_testo_linea(Compilatore& stato, const std::string& nome, std::string_view testo, Riprese* riprese,
                       const PuntoLettura* da) {
  stato.file_linea = nome;
  LetturaLinea lettura(stato, nome, testo);
  lettura.riprese = riprese;
  if (da != nullptr) lettura.riprendi(*da);
  const Esito esito = leggi_descrizione(lettura, da);
  // The end of the file and a position beyond the cells (kErroreOltreLeCelle) alike run
  // the tails; a fault that ended the stage does not.
  const bool treno = esito == Esito::kFineTesto || esito == Esito::kOltre;
  if (treno) {
    coda_pendenze(lettura);
    coda_tracciato(lettura);
  }
  // What follows is no longer this text's.
  stato.file_corrente.clear();
  stato.riga_corrente = 0;
  stato.colonna_corrente = 0;
  return treno;
}

}  // namespace scenario
