// The readers still read their texts from files: the two texts go into a
// private temporary folder under the names the compile step reads, and the
// folder is removed again. The compiled bytes are encoded from the model the
// compile leaves, the same bytes the compile step has just written.
#include "decompile/compila_testi.h"

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "driver/memorizza_percorso.h"
#include "driver/nomi_file.h"
#include "model/file_compilati.h"
#include "model/stato.h"
#include "platform/file_system.h"

namespace scenario::decompila {
namespace fs = std::filesystem;
namespace {

std::string cartella_privata() {
  std::error_code ec;
  const std::string modello = (fs::temp_directory_path(ec) / "scenario-decompile-XXXXXX").string();
  std::vector<char> nome(modello.begin(), modello.end());
  nome.push_back('\0');
  if (::mkdtemp(nome.data()) == nullptr) return {};
  return nome.data();
}

}  // namespace

Compilati compila_testi(const std::string& linea, const std::string& treno, const std::string& nome_linea,
                        const std::string& numero_treno, bool con_tracciato) {
  Compilati c;
  const std::string cartella = cartella_privata();
  if (cartella.empty()) {
    c.perche = "cannot create a temporary folder";
    return c;
  }
  Compilatore stato;
  stato.cartella = cartella;
  stato.nome_linea = nome_linea;
  stato.numero_treno = numero_treno;
  const NomiFile nomi(cartella, nome_linea, numero_treno);
  Status s = sostituisci_file(nomi.descrizione_linea(), linea);
  if (s.ok()) s = sostituisci_file(nomi.descrizione_treno(), treno);
  if (!s.ok()) {
    c.perche = s.messaggio();
  } else {
    const EsitoCompilazione esito = memorizza_percorso(stato, con_tracciato ? 1 : 0);
    c.codice_errore = stato.codice_errore;
    if (esito.file_scritti) {
      c.prodotti = true;
      c.tabella = codifica_elementi(stato.elementi);
      c.celle = codifica_celle(stato.celle);
      if (con_tracciato) c.tracciato = codifica_tracciato(stato.tracciato);
    } else if (esito.fatale != 0) {
      c.perche = "a reserved slot is in use (" + std::to_string(esito.fatale) + ")";
    } else if (esito.senza_celle) {
      c.perche = "the line description gives no cell array (code " + std::to_string(stato.codice_errore) + ")";
    } else {
      c.perche = esito.file_system.messaggio();
    }
  }
  std::error_code ec;
  fs::remove_all(cartella, ec);
  return c;
}

}  // namespace scenario::decompila
