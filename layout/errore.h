// The fatal message of a reserved slot already in use.
#pragma once

#include <string>
#include <string_view>

namespace scenario {

// The text shown for code `codice` (its decimal digits): " Errore n. 1250".
std::string testo_errore(std::string_view codice);

// Shows the text on standard error and ends the program with status 2, at
// once: nothing after it runs and no further file is written.
[[noreturn]] void errore(std::string_view codice);

}  // namespace scenario
