// Which scenario a folder of compiled files holds. A table file
// NAME_NUM.sim names a scenario: NAME is the line, NUM the train. Commands that
// read a compiled scenario (plot, view, decompile) take its identity from
// their options when given, and otherwise find it by themselves when the
// folder holds exactly one.
#pragma once

#include <string>
#include <vector>

namespace scenario::tool {

struct IdentitaScenario {
  std::string nome_linea;
  std::string numero_treno;
};

// The scenarios whose table file stands in `cartella`, sorted by name. False,
// with the system's reason in `errore`, when the folder cannot be listed.
bool scenari_in(const std::string& cartella, std::vector<IdentitaScenario>* scenari, std::string* errore);

// The identity to read: NAME and NUM as given (an empty one is not given).
// When either is missing, the folder's scenarios that agree with what was
// given are looked up; exactly one fills `trovata`. Otherwise false, with a
// message in `errore` that lists what the folder holds.
bool scegli_scenario(const std::string& cartella, const std::string& nome_linea, const std::string& numero_treno,
                     IdentitaScenario* trovata, std::string* errore);

}  // namespace scenario::tool
