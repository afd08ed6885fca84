#include "driver/form_load.h"

#include <string>

#include "content/documenti.h"
#include "driver/memorizza_percorso.h"
#include "driver/rapporto.h"
#include "model/scenario.h"
#include "layout/errore.h"
#include "model/nomi_file.h"
#include "model/stato.h"
#include "platform/blocco_cartella.h"
#include "platform/file_system.h"
#include "platform/messaggi.h"

namespace scenario {
namespace {

using Scrittore = Status (*)(const NomiFile&);

// A run that ends on a file-system failure keeps the documents it finished,
// but not the descriptions it wrote (the first `descrizioni` of the two): they
// are its own intermediate files, which a complete run deletes too. A
// description it failed to write is still the earlier file, and stays.
int fallisci(const NomiFile& nomi, const Status& s, int descrizioni) {
  mostra_errore(s.messaggio());
  if (descrizioni >= 1) elimina_file(nomi.descrizione_linea());
  if (descrizioni >= 2) elimina_file(nomi.descrizione_treno());
  return kUscitaFileSystem;
}

}  // namespace

int Form_Load(const std::string& cartella) {
  Compilatore stato;
  stato.nome_linea = std::string(kNomeLinea);
  stato.numero_treno = std::string(kNumeroTreno);
  const NomiFile nomi(cartella, stato.nome_linea, stato.numero_treno);

  mostra_attesa();

  // Another run in the same folder finishes first: the two would otherwise
  // delete each other's descriptions and mix their compiled files.
  BloccoCartella blocco;
  if (Status s = blocco.prendi(cartella, [&cartella] {
        mostra_errore("waiting for another run in " + cartella + " to finish");
      });
      !s.ok()) {
    mostra_errore(s.messaggio());
    return kUscitaFileSystem;
  }
  rimuovi_temporanei(blocco, {nomi.nome_descrizione_linea(), nomi.nome_descrizione_treno(), nomi.nome_note(),
                              nomi.nome_rallentamenti(), nomi.nome_scheda(), nomi.nome_tracciato(),
                              nomi.nome_tabella(), nomi.nome_celle()});

  // The two descriptions first (the compile step reads them), then the three
  // documents in their fixed order.
  int scritti = 0;
  for (Scrittore scrivi : {dati_linea, dati_treno, dati_note, dati_rallentamenti, dati_scheda}) {
    Status s = scrivi(nomi);
    if (!s.ok()) return fallisci(nomi, s, scritti);
    ++scritti;
  }

  EsitoCompilazione esito = memorizza_percorso(stato, nomi, 1);
  if (!esito.file_system.ok()) {
    stampa_rapporto(stato);
    fallisci(nomi, esito.file_system, 2);
    return stato_uscita(esito, stato.codice_errore);
  }
  if (esito.fatale != 0) errore(std::to_string(esito.fatale));
  stampa_rapporto(stato);
  return stato_uscita(esito, stato.codice_errore);
}

}  // namespace scenario
