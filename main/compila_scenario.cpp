// compila_scenario: writes the scenario's texts into the folder that holds
// this executable and compiles them into the simulator's binary files.
#include "driver/form_load.h"
#include "platform/cartella_programma.h"
#include "platform/messaggi.h"

int main() {
  const std::string cartella = scenario::cartella_programma();
  if (cartella.empty()) {
    scenario::mostra_errore("cannot find the folder of the program");
    return scenario::kUscitaFileSystem;
  }
  return scenario::Form_Load(cartella);
}
