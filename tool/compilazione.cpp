#include "tool/compilazione.h"

#include <filesystem>
#include <utility>

#include "driver/compila_testi.h"
#include "driver/scrittura_file_compilati.h"
#include "model/nomi_file.h"
#include "platform/file_system.h"
#include "tool/traduzione.h"

namespace scenario::tool {
namespace fs = std::filesystem;

RisultatoCompilazione compila(const RichiestaCompilazione& richiesta) {
  RisultatoCompilazione r;
  if (!richiesta.destinazione.empty()) {
    std::error_code ec;
    fs::create_directories(richiesta.destinazione, ec);
    if (ec) {
      r.errore = componi(traduci("cannot create %1: %2"), {richiesta.destinazione, ec.message()});
      return r;
    }
  }

  TestiDaCompilare testi;
  testi.linea.nome = richiesta.linea;
  testi.treno.nome = richiesta.treno;
  testi.nome_linea = richiesta.nome_linea;
  testi.numero_treno = richiesta.numero_treno;
  testi.tracciato = richiesta.tracciato;
  for (TestoDescrizione* t : {&testi.linea, &testi.treno}) {
    if (Status s = leggi_file(t->nome, &t->testo); !s.ok()) {
      r.errore = s.messaggio();
      return r;
    }
  }

  Compilazione c = compila_testi(testi);
  r.stato = std::move(c.stato);
  r.esito = c.esito;
  if (!c.file || richiesta.destinazione.empty()) return r;

  const NomiFile nomi(richiesta.destinazione, richiesta.nome_linea, richiesta.numero_treno);
  r.esito.file_system = scrivi_file_codificati(nomi, *c.file);
  r.esito.file_scritti = r.esito.file_system.ok();
  if (r.esito.file_scritti) {
    if (c.file->tracciato) r.file.push_back(nomi.tracciato());
    r.file.push_back(nomi.tabella());
    r.file.push_back(nomi.celle());
  }
  return r;
}

int stato_uscita(const RisultatoCompilazione& r) {
  if (!r.errore.empty()) return kUscitaFileSystem;
  return scenario::stato_uscita(r.esito, r.stato.codice_errore);
}

}  // namespace scenario::tool
