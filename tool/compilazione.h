// The compile step run on any pair of description texts, in a private work
// folder, so that the author's own files are never changed or deleted.
#pragma once

#include <string>
#include <vector>

#include "driver/memorizza_percorso.h"
#include "model/stato.h"

namespace scenario::tool {

struct RichiestaCompilazione {
  std::string linea;            // path of the author's line description
  std::string treno;            // path of the author's train description
  std::string nome_linea = "MilanoPGen-Alessandria";
  std::string numero_treno = "2635";
  bool tracciato = true;        // genera_tracciato 1, or 0 with --no-plan
  std::string destinazione;     // folder that receives the compiled files; empty: keep nothing
};

struct RisultatoCompilazione {
  Compilatore stato;
  EsitoCompilazione esito;
  std::vector<std::string> file;  // compiled files now in the destination folder
  std::string errore;             // a file-system failure of the tool itself
};

// Copies both texts into a fresh work folder under the names the compile step
// reads, runs memorizza_percorso there and moves the compiled files into the
// destination (created when missing). The work folder is removed at the end.
RisultatoCompilazione compila(const RichiestaCompilazione& richiesta);

// Exit status of a compile: 0 clean, 1 a fault recorded, 2 a reserved slot in
// use, 3 a file-system failure.
int stato_uscita(const RisultatoCompilazione& r);

}  // namespace scenario::tool
