// The few messages the program shows: the wait message at the start and the
// fatal message of a reserved slot already in use.
#pragma once

#include <string_view>

namespace scenario {

// The wait message, shown at once before the job: "Attendere" and a newline
// on standard output, or on Windows the wait window, painted at once and left
// untouched until the program ends.
void mostra_attesa();

// A message on standard error, on a line of its own.
void mostra_errore(std::string_view testo);

// The fatal message that ends the run: on standard error, or where the
// program has a window, in a message box with one OK button, titled with the
// program's title, that holds the program until it is closed.
void mostra_errore_fatale(std::string_view testo);

}  // namespace scenario
