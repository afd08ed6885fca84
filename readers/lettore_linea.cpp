#include "readers/lettore_linea.h"

#include <string>
#include <utility>

#include "driver/nomi_file.h"
#include "model/stato.h"
#include "platform/file_system.h"
#include "readers/lettura_linea.h"
#include "readers/testo_descrizione.h"

namespace scenario {
namespace {

// Everything before the general section is passed over. The read that
// reaches the end of the file fails the search, even when it returned
// "[generale]" itself.
bool trova_sezione_generale(LetturaLinea& l) {
  std::string campo;
  while (l.leggi_campo(&campo)) {
    if (contiene_senza_maiuscole(campo, "[generale]")) return true;
  }
  return false;
}

Esito leggi_descrizione(LetturaLinea& l) {
  if (!trova_sezione_generale(l)) {
    l.guasto(102);
    return Esito::kFermo;
  }
  const Esito generale = leggi_sezione_generale(l);
  if (generale == Esito::kFermo) return generale;
  // A file that never closes its general section still gets the end of the
  // section and then the end of the file.
  if (chiudi_sezione_generale(l) == Esito::kFermo) return Esito::kFermo;
  if (generale == Esito::kFineFile) return Esito::kFineFile;
  return leggi_parte_oggetti(l);
}

// Reads the text through, then runs the tails unless a fault ended the
// stage; true when the train half must run.
bool leggi_testo_linea(Compilatore& stato, std::string testo) {
  LetturaLinea lettura(stato, std::move(testo));
  const Esito esito = leggi_descrizione(lettura);
  if (esito == Esito::kFermo) return false;
  // The end of the file and a position beyond the cells (code 15) alike.
  coda_pendenze(lettura);
  coda_tracciato(lettura);
  return true;
}

}  // namespace

bool leggi_descrizione_linea(Compilatore& stato) {
  stato.elementi[kRigaLinea].testo = stato.nome_linea;
  stato.elementi[kRigaTreno].testo = stato.numero_treno;

  const NomiFile nomi(stato.cartella, stato.nome_linea, stato.numero_treno);
  const std::string percorso = nomi.descrizione_linea();
  stato.file_corrente = nomi.nome_descrizione_linea();
  stato.riga_corrente = 0;

  bool treno = false;
  std::string testo;
  if (!file_esiste(percorso)) {
    stato.registra(101);  // nothing to delete
  } else {
    if (carica_descrizione(percorso, &testo)) {
      treno = leggi_testo_linea(stato, std::move(testo));
    } else {
      stato.registra(25);
    }
    elimina_descrizione(stato, percorso);
  }
  // What follows is no longer this text's.
  stato.file_corrente.clear();
  stato.riga_corrente = 0;
  return treno;
}

}  // namespace scenario
