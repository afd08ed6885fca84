// Reading a compiled scenario back for the commands that show one (plot,
// view): the table and the cells, checked to belong together, and the plan
// when the folder has one of this line.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "compilati/trova_scenario.h"
#include "model/modello.h"
#include "platform/blocco_cartella.h"

namespace scenario::tool {

struct ScenarioLetto {
  IdentitaScenario identita;
  Elementi elementi{};
  std::vector<Cella> celle;
  PuntiTracciato tracciato;  // empty when there is none of this line
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
