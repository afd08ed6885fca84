#include "driver/form_load.h"

#include <string>

#include "content/documenti.h"
#include "driver/memorizza_percorso.h"
#include "driver/rapporto.h"
#include "model/scenario.h"
#include "layout/errore.h"
#include "model/nomi_file.h"
#include "model/stato.h"
#include "platform/messaggi.h"

namespace scenario {
namespace {

using Scrittore = Status (*)(const NomiFile&);

}  // namespace

int Form_Load(const std::string& cartella) {
  Compilatore stato;
  stato.nome_linea = std::string(kNomeLinea);
  stato.numero_treno = std::string(kNumeroTreno);
  const NomiFile nomi(cartella, stato.nome_linea, stato.numero_treno);

  mostra_attesa();

  // The two descriptions first (the compile step reads them), then the three
  // documents in their fixed order.
  for (Scrittore scrivi : {dati_linea, dati_treno, dati_note, dati_rallentamenti, dati_scheda}) {
    Status s = scrivi(nomi);
    if (!s.ok()) {
      mostra_errore(s.messaggio());
      return kUscitaFileSystem;
    }
  }

  EsitoCompilazione esito = memorizza_percorso(stato, nomi, 1);
  if (!esito.file_system.ok()) {
    stampa_rapporto(stato);
    mostra_errore(esito.file_system.messaggio());
    return stato_uscita(esito, stato.codice_errore);
  }
  if (esito.fatale != 0) errore(std::to_string(esito.fatale));
  stampa_rapporto(stato);
  return stato_uscita(esito, stato.codice_errore);
}

}  // namespace scenario
