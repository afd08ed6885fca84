// The command line of a console program, and its console, the same on every
// system: arguments in UTF-8, output bytes as written.
#pragma once

#include <string>
#include <vector>

namespace scenario {

// The arguments after the program's name, in UTF-8. Linux passes them as they
// were typed; Windows gives them from the command line as it was typed (in
// UTF-16), so that a path with any letter arrives whole and not through the
// system's narrow code page.
std::vector<std::string> argomenti_utf8(int argc, char** argv);

// Makes standard output and error take the program's UTF-8 bytes as they are:
// on Windows a console is switched to UTF-8 for the run (and back at its end)
// and the two streams to binary, so that a line ends with the same LF as on
// Linux and a piped file keeps its bytes. Nothing to do on Linux.
void prepara_console();

}  // namespace scenario
