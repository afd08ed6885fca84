// The one source of the tool's usage: every command with its arguments, its
// options and its help text. The dispatcher, the option parser, each
// command's --help and the top-level --help are all built from this table, so
// an option cannot be accepted without being listed, nor listed without being
// accepted. A new command is one more entry in kComandi (tool/uso.cpp).
#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace scenario::tool {

using Args = std::vector<std::string>;

struct Opzione {
  std::string_view nome;         // "-o", "--json"
  std::string_view valore;       // the value's name ("DIR"); empty for a flag
  std::string_view aiuto;        // one line for --help
  bool obbligatoria = false;     // shown without brackets in the synopsis
};

struct Comando {
  std::string_view nome;         // "compile"
  std::string_view argomenti;    // the positional arguments ("LINE TRAIN")
  std::string_view riassunto;    // one line for the top-level --help
  std::string_view descrizione;  // the body of the command's --help, lines of at most 80 columns
  std::span<const Opzione> opzioni;
  int (*esegui)(const Args& args, std::ostream& out, std::ostream& err);
};

// Every command, in the order the top-level --help lists them.
std::span<const Comando> comandi();
// --help and --version, which every command and the tool itself accept.
std::span<const Opzione> opzioni_comuni();
// The command of that name, or nullptr.
const Comando* trova_comando(std::string_view nome);

// "scenario-tool compile LINE TRAIN [-o DIR] ... [--json]"
std::string sinossi(const Comando& comando);
// What `scenario-tool COMMAND --help` prints.
std::string uso_comando(const Comando& comando);
// What `scenario-tool --help` prints.
std::string uso_generale();

}  // namespace scenario::tool
