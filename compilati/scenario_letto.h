// Reading a compiled scenario back for the commands that show one (plot,
// view): the table and the cells, checked to belong together, and the plan
// when the folder has one of this line.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "compilati/trova_scenario.h"
#include "model/modello.h"

namespace scenario::tool {

struct ScenarioLetto {
  IdentitaScenario identita;
  Elementi elementi{};
  std::vector<Cella> celle;
  PuntiTracciato tracciato;  // empty when there is none of this line
};

// The scenario of `cartella` named by `nome_linea` and `numero_treno`, found
// by itself when either is empty and the folder holds exactly one that fits.
// Returns 0, or the exit status with its message in `errore`; a plan of
// another length is set aside with a warning on `err`.
int leggi_scenario(const std::string& cartella, const std::string& nome_linea, const std::string& numero_treno,
                   ScenarioLetto* scenario, std::string* errore, std::ostream& err);

}  // namespace scenario::tool
