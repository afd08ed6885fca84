// How the tool reports a compile: faults and warnings on standard error in the
// "FILE:LINE:" form editors understand, and the JSON summary.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tool/compilazione.h"

namespace scenario::tool {

// Prints every fault and warning of the compile, each under the author's own
// path of its text.
void stampa_guasti(const RisultatoCompilazione& r, std::ostream& err);

// The JSON object of the compile, on one line.
std::string json_compilazione(const RisultatoCompilazione& r);

}  // namespace scenario::tool
