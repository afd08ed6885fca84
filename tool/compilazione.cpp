#include "tool/compilazione.h"

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "driver/form_load.h"
#include "driver/nomi_file.h"
#include "platform/file_system.h"
#include "tool/traduzione.h"

namespace scenario::tool {
namespace fs = std::filesystem;
namespace {

// A private folder inside `sotto`; empty on failure.
std::string cartella_di_lavoro(const std::string& sotto) {
  std::string modello = (fs::path(sotto) / ".scenario-tool-XXXXXX").string();
  std::vector<char> nome(modello.begin(), modello.end());
  nome.push_back('\0');
  if (::mkdtemp(nome.data()) == nullptr) return {};
  return nome.data();
}

// Copies an author's text to `destinazione`; false with a message on failure.
bool copia_testo(const std::string& da, const std::string& a, std::string* errore) {
  std::string testo;
  Status s = leggi_file(da, &testo);
  if (s.ok()) s = sostituisci_file(a, testo);
  if (!s.ok()) *errore = s.messaggio();
  return s.ok();
}

}  // namespace

RisultatoCompilazione compila(const RichiestaCompilazione& richiesta) {
  RisultatoCompilazione r;
  std::error_code ec;
  std::string base = richiesta.destinazione;
  if (base.empty()) {
    base = fs::temp_directory_path(ec).string();
  } else {
    fs::create_directories(base, ec);
    if (ec) {
      r.errore = componi(traduci("cannot create %1: %2"), {base, ec.message()});
      return r;
    }
  }
  const std::string lavoro = cartella_di_lavoro(base);
  if (lavoro.empty()) {
    r.errore = componi(traduci("cannot create a work folder in %1"), {base});
    return r;
  }

  r.stato.cartella = lavoro;
  r.stato.nome_linea = richiesta.nome_linea;
  r.stato.numero_treno = richiesta.numero_treno;
  const NomiFile nomi(lavoro, richiesta.nome_linea, richiesta.numero_treno);
  if (copia_testo(richiesta.linea, nomi.descrizione_linea(), &r.errore) &&
      copia_testo(richiesta.treno, nomi.descrizione_treno(), &r.errore)) {
    r.esito = memorizza_percorso(r.stato, richiesta.tracciato ? 1 : 0);
  }

  if (r.esito.file_scritti && !richiesta.destinazione.empty()) {
    const NomiFile finali(richiesta.destinazione, richiesta.nome_linea, richiesta.numero_treno);
    std::vector<std::pair<std::string, std::string>> da_spostare;
    if (richiesta.tracciato) da_spostare.emplace_back(nomi.tracciato(), finali.tracciato());
    da_spostare.emplace_back(nomi.tabella(), finali.tabella());
    da_spostare.emplace_back(nomi.celle(), finali.celle());
    for (const auto& [da, a] : da_spostare) {
      fs::rename(da, a, ec);
      if (ec) {
        r.errore = componi(traduci("cannot move the compiled file to %1: %2"), {a, ec.message()});
        break;
      }
      r.file.push_back(a);
    }
  }
  fs::remove_all(lavoro, ec);
  return r;
}

int stato_uscita(const RisultatoCompilazione& r) {
  if (!r.errore.empty() || !r.esito.file_system.ok()) return kUscitaFileSystem;
  if (r.esito.fatale != 0) return kUscitaSlotRiservato;
  return r.stato.codice_errore == 0 ? kUscitaPulita : kUscitaConGuasti;
}

}  // namespace scenario::tool
