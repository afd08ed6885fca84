// Reading a compiled scenario back for the commands that show one (plot,
// view): the table and the cells, checked to belong together, and the plan
// when the folder has one of this line, checked whole but read a piece at a
// time.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "compilati/trova_scenario.h"
#include "model/flusso_tracciato.h"
#include "model/modello.h"
#include "platform/blocco_cartella.h"
#include "platform/file_a_pezzi.h"

namespace scenario::tool {

struct ScenarioLetto {
  IdentitaScenario identita;
  Elementi elementi{};
  std::vector<Cella> celle;
  // The plan, checked and left open to be read a piece at a time while the
  // folder's lock is held, so that it is of the same run as the table and
  // the cells; no metres when there is none of this line.
  BloccoCartella blocco;
  FileAPezzi file_tracciato;
  FormaTracciato forma_tracciato;

  // The plan's metres, read anew from the file on each walk.
  PianoAPassi tracciato();
  // The system's failure while a walk read the plan; ok when there was none.
  const Status& errore_tracciato() const { return file_tracciato.errore(); }
};

// Takes `cartella`'s lock as a reader into `blocco` (telling on `err` when it
// waits for a writer), and refuses a folder whose last set was left
// half replaced. False, with the message in `errore`, when it cannot.
bool blocca_per_leggere(const std::string& cartella, BloccoCartella* blocco, std::string* errore, std::ostream& err);

// The scenario of `cartella` named by `nome_linea` and `numero_treno`, found
// by itself when either is empty and the folder holds exactly one that fits.
// Returns 0, or the exit status with its message in `errore`; a plan of
// another length is set aside with a warning on `err`.
int leggi_scenario(const std::string& cartella, const std::string& nome_linea, const std::string& numero_treno,
                   ScenarioLetto* scenario, std::string* errore, std::ostream& err);

}  // namespace scenario::tool
