// The compile step run on an author's own description pair: the texts are
// read into memory and compiled there, so that the author's files are never
// changed or deleted.
#pragma once

#include <string>
#include <vector>

#include "driver/esito_compilazione.h"
#include "model/scenario.h"
#include "model/stato.h"

namespace scenario::tool {

struct RichiestaCompilazione {
  std::string linea;            // path of the author's line description
  std::string treno;            // path of the author's train description
  std::string nome_linea = std::string(kNomeLinea);
  std::string numero_treno = std::string(kNumeroTreno);
  bool tracciato = true;        // genera_tracciato 1, or 0 with --no-plan
  std::string destinazione;     // folder that receives the compiled files; empty: keep nothing
};

struct RisultatoCompilazione {
  Compilatore stato;
  EsitoCompilazione esito;
  std::vector<std::string> file;  // compiled files now in the destination folder
  std::string errore;             // a file-system failure of the tool itself
};

// Reads both texts, compiles them in memory (driver/compila_testi.h) and
// writes the compiled files into the destination (created when missing).
// Faults and warnings name the texts by the paths given.
RisultatoCompilazione compila(const RichiestaCompilazione& richiesta);

// Exit status of a compile, as the program's: 0 clean, 1 a fault recorded,
// 2 a reserved slot in use, 3 a file-system failure.
int stato_uscita(const RisultatoCompilazione& r);

}  // namespace scenario::tool
