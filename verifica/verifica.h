// check and compile on an author's pair: the run as the program has it (its
// status and the files it would write) and the diagnostics of the pair, found
// by runs that keep a record of the entries and, for check, read on past each
// fault.
#pragma once

#include <optional>
#include <string>

#include "driver/compila_testi.h"
#include "model/traccia.h"
#include "verifica/diagnostiche.h"

namespace scenario::tool {

struct RichiestaVerifica {
  TestoDescrizione linea;  // the author's path and the file's bytes
  TestoDescrizione treno;
  std::string nome_linea = std::string(kNomeLinea);
  std::string numero_treno = std::string(kNumeroTreno);
  bool tracciato = true;
  bool severo = false;     // --strict: warnings count as errors
  bool recupera = false;   // report every fault (check), not only the first (compile)
  bool con_traccia = false;  // keep the record of the entries of the exact compile (EsitoVerifica::traccia)
};

struct EsitoVerifica {
  Compilazione esatta;       // the texts compiled as the program would
  // The record of the entries that compile read, when asked for
  // (RichiestaVerifica::con_traccia): a caller that maps the route back to
  // the entries needs no compile of its own.
  std::optional<Traccia> traccia;
  Diagnostiche diagnostiche;
  std::string riepilogo;     // the pair in one line, from the run that read the most
  bool recupero_al_limite = false;
};

EsitoVerifica verifica(const RichiestaVerifica& richiesta);

}  // namespace scenario::tool
