#include <map>

#include "tool/argomenti.h"
#include "tool/comandi.h"

namespace scenario::tool {
namespace {

constexpr const char* kUso =
    "usage: scenario-tool COMMAND [ARGS]\n"
    "commands:\n"
    "  compile LINE TRAIN [-o DIR] [--line-name NAME] [--train-number NUM] [--no-plan] [--json]\n"
    "      compile a line and a train description into the compiled files\n"
    "  check LINE TRAIN [--json]\n"
    "      compile in a temporary folder, keep nothing, print faults and warnings\n"
    "  dump FILE [--kind table|cells|plan] [--all] [--json]\n"
    "      decode a compiled file into readable text\n"
    "  plot DIR [--line-name NAME] [--train-number NUM] -o FILE.svg\n"
    "      draw the plan and the profile of a compiled scenario\n"
    "  decompile DIR [--line-name NAME] [--train-number NUM] [-o OUT]\n"
    "      write descriptions that compile back to a compiled scenario's files\n"
    "'scenario-tool COMMAND --help' tells more.\n";

}  // namespace

int esegui_tool(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << kUso;
    return kUscitaUso;
  }
  const std::string& comando = args[0];
  if (comando == "--help" || comando == "-h" || comando == "help") {
    out << kUso;
    return 0;
  }
  if (comando == "--version") {
    out << "scenario-tool " << SCENARIO_VERSION << "\n";
    return 0;
  }
  using Comando = int (*)(const Args&, std::ostream&, std::ostream&);
  static const std::map<std::string, Comando> comandi = {
      {"compile", comando_compile}, {"check", comando_check}, {"dump", comando_dump}, {"plot", comando_plot},
      {"decompile", comando_decompile}};
  auto it = comandi.find(comando);
  if (it == comandi.end()) {
    err << "scenario-tool: unknown command " << comando << "\n" << kUso;
    return kUscitaUso;
  }
  return it->second(Args(args.begin() + 1, args.end()), out, err);
}

}  // namespace scenario::tool
