#include "platform/traduzione.h"
#include "tool/argomenti.h"
#include "tool/comandi.h"
#include "tool/uso.h"

namespace scenario::tool {

int esegui_tool(const Args& args, std::ostream& out, std::ostream& err) {
  // A usage error is one line, the reason and where the usage is told: the
  // full help would push the reason off the screen.
  if (args.empty()) {
    return errore_uso(traduci("no command given"), "", err);
  }
  const std::string& nome = args[0];
  if (nome == "--help" || nome == "-h" || nome == "help") {
    out << uso_generale();
    return 0;
  }
  if (nome == "--version") {
    out << "scenario-tool " << SCENARIO_VERSION << "\n";
    return 0;
  }
  const Comando* comando = trova_comando(nome);
  if (comando == nullptr) {
    return errore_uso(componi(traduci("unknown command %1"), {nome}), "", err);
  }
  return comando->esegui(Args(args.begin() + 1, args.end()), out, err);
}

}  // namespace scenario::tool
