#include "tool/compilazione.h"

#include <optional>
#include <utility>

#include "driver/compila_testi.h"
#include "driver/scrittura_file_compilati.h"
#include "model/nomi_file.h"
#include "platform/file_system.h"
#include "platform/traduzione.h"
#include "tool/argomenti.h"
#include "tool/destinazione.h"
#include "tool/lettura_descrizione.h"

namespace scenario::tool {
std::vector<std::string> nomi_compilati(const std::string& nome_linea, const std::string& numero_treno,
                                        bool tracciato) {
  const NomiFile nomi("", nome_linea, numero_treno);
  std::vector<std::string> elenco;
  if (tracciato) elenco.push_back(nomi.nome_tracciato());
  elenco.push_back(nomi.nome_tabella());
  elenco.push_back(nomi.nome_celle());
  return elenco;
}

RisultatoCompilazione compila(const RichiestaCompilazione& richiesta) {
  RisultatoCompilazione r;
  // The texts first: a refused one leaves no folder behind.
  TestiDaCompilare testi;
  testi.linea.nome = richiesta.linea;
  testi.treno.nome = richiesta.treno;
  testi.nome_linea = richiesta.nome_linea;
  testi.numero_treno = richiesta.numero_treno;
  testi.tracciato = richiesta.tracciato;
  for (TestoDescrizione* t : {&testi.linea, &testi.treno}) {
    if (int stato = leggi_descrizione(t->nome, &t->testo, &r.errore); stato != 0) {
      r.non_valido = stato == kUscitaDatiNonValidi;
      return r;
    }
  }
  Destinazione destinazione;
  if (!richiesta.destinazione.empty()) {
    const Status s = destinazione.prepara(
        richiesta.destinazione, nomi_compilati(richiesta.nome_linea, richiesta.numero_treno, richiesta.tracciato),
        [&richiesta] {
      if (richiesta.in_attesa) richiesta.in_attesa(richiesta.destinazione);
    });
    if (!s.ok()) {
      r.errore = nella_lingua(s.testo());
      return r;
    }
  }

  Compilazione c = compila_testi(testi);
  r.stato = std::move(c.stato);
  r.esito = c.esito;
  if (!r.esito.file_scritti || richiesta.destinazione.empty()) return r;

  // The set goes into DIR whole: every earlier file, or every new one.
  const NomiFile nomi(richiesta.destinazione, richiesta.nome_linea, richiesta.numero_treno);
  r.esito.file_system = sostituisci_file_compilati(nomi, r.stato, &r.file);
  r.esito.file_scritti = r.esito.file_system.ok();
  if (r.esito.file_scritti) destinazione.conferma();
  return r;
}

int stato_uscita(const RisultatoCompilazione& r) {
  if (r.non_valido) return kUscitaDatiNonValidi;
  if (!r.errore.empty()) return kUscitaFileSystem;
  return scenario::stato_uscita(r.esito, r.stato.codice_errore);
}

}  // namespace scenario::tool
