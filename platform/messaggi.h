// The few messages the program shows: the wait message at the start and the
// fatal message of a reserved slot already in use.
#pragma once

#include <string_view>

namespace scenario {

// "Attendere" and a newline on standard output, flushed at once: the job that
// follows runs without printing anything else.
void mostra_attesa();

// A message on standard error, on a line of its own.
void mostra_errore(std::string_view testo);

}  // namespace scenario
