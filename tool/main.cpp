// scenario-tool: compile, check and read back scenario files for route authors.
#include <iostream>

#include "platform/traduzione.h"
#include "tool/comandi.h"

int main(int argc, char** argv) {
  scenario::tool::inizializza_traduzioni();
  return scenario::tool::esegui_tool(scenario::tool::Args(argv + 1, argv + argc), std::cout, std::cerr);
}
