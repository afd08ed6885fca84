// compila_scenario: writes the scenario's texts into the folder that holds
// this executable and compiles them into the simulator's binary files.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "driver/form_load.h"
#include "layout/errore.h"
#include "platform/cartella_programma.h"
#include "platform/messaggi.h"

int main(int argc, char** argv) {
  // The one argument the program answers; any other command line is ignored,
  // and a run without arguments does the whole job.
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::fputs("compila_scenario " SCENARIO_VERSION "\n", stdout);
    return 0;
  }
#ifdef SCENARIO_GANCI_PROVA
  // The test build's way to the fatal message: the wait window, then the
  // message with the code given, as a reserved slot in use would show it.
  if (const char* codice = std::getenv("SCENARIO_ERRORE_PROVA")) {
    scenario::mostra_attesa();
    scenario::errore(codice);
  }
#endif
  const std::string cartella = scenario::cartella_programma();
  if (cartella.empty()) {
    scenario::mostra_errore("cannot find the folder of the program");
    return scenario::kUscitaFileSystem;
  }
  return scenario::Form_Load(cartella);
}
