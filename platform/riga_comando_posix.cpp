#include "platform/riga_comando.h"

namespace scenario {

std::vector<std::string> argomenti_utf8(int argc, char** argv) { return {argv + (argc > 0 ? 1 : 0), argv + argc}; }

void prepara_console() {}

}  // namespace scenario
