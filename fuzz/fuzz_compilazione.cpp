// Fuzz target: the whole compile step on a pair of descriptions split from one
// input (the line text, a NUL byte, the train text), with the table and cell
// files read back as the simulator would load them.
#include <cstddef>
#include <cstdint>
#include <string>

#include "driver/memorizza_percorso.h"
#include "model/nomi_file.h"
#include "fuzz/banco.h"
#include "model/decodifica_file.h"
#include "model/file_compilati.h"
#include "platform/file_system.h"

namespace {

using namespace scenario;

// A compiled file must decode and encode again to its own bytes: the simulator
// trusts every byte of it.
template <typename Modello>
void rileggi(const std::string& percorso, bool (*decodifica)(std::string_view, Modello*, Testo*),
             std::string (*codifica)(const Modello&)) {
  std::string dati;
  if (!leggi_file(percorso, &dati).ok()) fuzz::fallisci("cannot read back " + percorso);
  Modello modello{};
  Testo errore;
  if (!decodifica(dati, &modello, &errore)) fuzz::fallisci(percorso + " does not decode: " + errore.inglese());
  if (codifica(modello) != dati) fuzz::fallisci(percorso + " does not encode back to its own bytes");
}

void controlla_file(const NomiFile& nomi, const EsitoCompilazione& esito) {
  // Every path of the reading stage deletes both texts.
  if (file_esiste(nomi.descrizione_linea()) || file_esiste(nomi.descrizione_treno())) {
    fuzz::fallisci("a description outlived the compile step");
  }
  if (!esito.file_scritti) {
    // A refused compile writes nothing: the folder held no compiled file before.
    if (file_esiste(nomi.tracciato()) || file_esiste(nomi.tabella()) || file_esiste(nomi.celle())) {
      fuzz::fallisci("a compile that wrote nothing left a compiled file");
    }
    return;
  }
  // The track-plan file is not read back: its shape is one fixed record per
  // metre whatever the input, and reading 2 MB back would take most of each
  // input's time. The table and the cell file carry the input's own texts and
  // counts.
  rileggi(nomi.tabella(), decodifica_elementi, codifica_elementi);
  rileggi(nomi.celle(), decodifica_celle, codifica_celle);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
  const auto [linea, treno] = fuzz::dividi_coppia(dati, dimensione);
  Compilatore stato = fuzz::stato_nuovo();
  const NomiFile& nomi = fuzz::nomi_privati();
  fuzz::scrivi_testo(nomi.descrizione_linea(), linea);
  fuzz::scrivi_testo(nomi.descrizione_treno(), treno);

  const EsitoCompilazione esito = memorizza_percorso(stato, nomi, 1);

  if (!esito.file_system.ok()) fuzz::fallisci("file-system failure: " + esito.file_system.messaggio());
  fuzz::controlla_modello(stato);
  controlla_file(nomi, esito);
  fuzz::svuota_cartella();
  return 0;
}
