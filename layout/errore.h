// The fatal message of a reserved slot already in use.
#pragma once

#include <string>
#include <string_view>

namespace scenario {

// The text shown for a code given by its decimal digits: " Errore n. " and
// the digits.
std::string testo_errore(std::string_view codice);

// Shows the text on standard error and ends the program with kUscitaSlotRiservato, at
// once: nothing after it runs and no further file is written.
[[noreturn]] void errore(std::string_view codice);

}  // namespace scenario
