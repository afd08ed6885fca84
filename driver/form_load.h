// The program's whole job, from the wait message to the end of the run.
#pragma once

#include <string>

#include "driver/esito_compilazione.h"

namespace scenario {

// Writes the five texts into `cartella`, compiles the two descriptions into the
// three compiled files and returns the exit status. A used reserved slot ends
// the program inside, through errore().
int Form_Load(const std::string& cartella);

}  // namespace scenario
