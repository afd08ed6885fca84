// The compile step run on an author's own description pair: the texts are
// read into memory and compiled there, so that the author's files are never
// changed or deleted.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "driver/esito_compilazione.h"
#include "model/scenario.h"
#include "model/file_compilati.h"
#include "model/stato.h"
#include "platform/status.h"

namespace scenario::tool {

struct RichiestaCompilazione {
  std::string linea;            // path of the author's line description
  std::string treno;            // path of the author's train description
  std::string nome_linea = std::string(kNomeLinea);
  std::string numero_treno = std::string(kNumeroTreno);
  bool tracciato = true;        // genera_tracciato 1, or 0 with --no-plan
  std::string destinazione;     // folder that receives the compiled files; empty: keep nothing
  // Called once when another compile or run holds the destination folder,
  // before waiting for it.
  std::function<void(const std::string& cartella)> in_attesa;
};

struct RisultatoCompilazione {
  Compilatore stato;
  EsitoCompilazione esito;
  std::vector<std::string> file;  // compiled files now in the destination folder
  std::string errore;             // a failure of the tool itself, before or after the compile step
  bool non_valido = false;        // `errore` is a description refused by its size
};

// Reads both texts (refusing one beyond the description size limit),
// compiles them in memory (driver/compila_testi.h) and puts the compiled files
// into the destination as one set, all or nothing, holding the destination's
// lock throughout. A destination made for the compile is removed again when
// nothing is written into it. Faults and warnings name the texts by the paths
// given.
RisultatoCompilazione compila(const RichiestaCompilazione& richiesta);

// The compiled files a compile writes, names alone.
std::vector<std::string> nomi_compilati(const std::string& nome_linea, const std::string& numero_treno,
                                        bool tracciato);

// Exit status of a compile, as the program's: 0 clean, 1 a fault recorded,
// 2 a reserved slot in use, 3 a file-system failure; 65 a description refused
// by its size.
int stato_uscita(const RisultatoCompilazione& r);

}  // namespace scenario::tool
