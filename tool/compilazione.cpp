#include "tool/compilazione.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "driver/form_load.h"
#include "driver/nomi_file.h"
#include "platform/cartella_temporanea.h"
#include "platform/file_system.h"
#include "platform/sostituzione_insieme.h"
#include "tool/argomenti.h"
#include "tool/destinazione.h"
#include "tool/lettura_descrizione.h"
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

// The compiled files a compile of `richiesta` writes, names alone.
std::vector<std::string> nomi_compilati(const RichiestaCompilazione& richiesta) {
  const NomiFile nomi("", richiesta.nome_linea, richiesta.numero_treno);
  std::vector<std::string> elenco;
  if (richiesta.tracciato) elenco.push_back(nomi.nome_tracciato());
  elenco.push_back(nomi.nome_tabella());
  elenco.push_back(nomi.nome_celle());
  return elenco;
}

}  // namespace

RisultatoCompilazione compila(const RichiestaCompilazione& richiesta) {
  RisultatoCompilazione r;
  // The texts first: a refused one leaves no folder behind.
  std::string linea, treno;
  for (const auto& [percorso, testo] : {std::pair{&richiesta.linea, &linea}, std::pair{&richiesta.treno, &treno}}) {
    if (int stato = leggi_descrizione(*percorso, testo, &r.errore); stato != 0) {
      r.non_valido = stato == kUscitaDatiNonValidi;
      return r;
    }
  }
  Destinazione destinazione;
  if (!richiesta.destinazione.empty()) {
    const Status s = destinazione.prepara(richiesta.destinazione, nomi_compilati(richiesta), [&richiesta] {
      if (richiesta.in_attesa) richiesta.in_attesa(richiesta.destinazione);
    });
    if (!s.ok()) {
      r.errore = s.messaggio();
      return r;
    }
  }
  const std::string base = cartella_temporanea_di_sistema();
  const std::string lavoro = cartella_di_lavoro(base);
  if (lavoro.empty()) {
    r.errore = componi(traduci("cannot create a work folder in %1: %2"), {base, std::strerror(errno)});
    return r;
  }

  r.stato.cartella = lavoro;
  r.stato.nome_linea = richiesta.nome_linea;
  r.stato.numero_treno = richiesta.numero_treno;
  const NomiFile nomi(lavoro, richiesta.nome_linea, richiesta.numero_treno);
  Status s = sostituisci_file(nomi.descrizione_linea(), linea);
  if (s.ok()) s = sostituisci_file(nomi.descrizione_treno(), treno);
  if (s.ok()) {
    r.esito = memorizza_percorso(r.stato, richiesta.tracciato ? 1 : 0);
  } else {
    r.errore = s.messaggio();
  }

  if (r.esito.file_scritti && !richiesta.destinazione.empty()) {
    // The set goes into DIR whole: every earlier file, or every new one.
    std::vector<std::string> contenuti;
    std::vector<FileNuovo> insieme;
    for (const std::string& nome : nomi_compilati(richiesta)) {
      contenuti.emplace_back();
      if (s = leggi_file(unisci_percorso(lavoro, nome), &contenuti.back()); !s.ok()) break;
    }
    if (s.ok()) {
      const std::vector<std::string> nomi_finali = nomi_compilati(richiesta);
      for (size_t i = 0; i < nomi_finali.size(); ++i) {
        insieme.push_back({unisci_percorso(richiesta.destinazione, nomi_finali[i]), contenuti[i]});
      }
      s = sostituisci_insieme(insieme);
    }
    if (s.ok()) {
      destinazione.conferma();
      for (const FileNuovo& f : insieme) r.file.push_back(f.percorso);
    } else {
      r.errore = s.messaggio();
    }
  }
  std::error_code ec;
  fs::remove_all(lavoro, ec);
  return r;
}

int stato_uscita(const RisultatoCompilazione& r) {
  if (r.non_valido) return kUscitaDatiNonValidi;
  if (!r.errore.empty() || !r.esito.file_system.ok()) return kUscitaFileSystem;
  if (r.esito.fatale != 0) return kUscitaSlotRiservato;
  return r.stato.codice_errore == 0 ? kUscitaPulita : kUscitaConGuasti;
}

}  // namespace scenario::tool
