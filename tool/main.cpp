// scenario-tool: compile, check and read back scenario files for route authors.
#include <iostream>

#include "platform/riga_comando.h"
#include "platform/traduzione.h"
#include "tool/comandi.h"

int main(int argc, char** argv) {
  scenario::prepara_console();
  scenario::tool::inizializza_traduzioni();
  return scenario::tool::esegui_tool(scenario::argomenti_utf8(argc, argv), std::cout, std::cerr);
}
