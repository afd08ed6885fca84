// Command-line parsing for the tool's commands: positional arguments, options
// that take a value ("-o DIR", "--line-name=NAME") and flags.
#pragma once

#include <map>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/uscita.h"
#include "tool/uso.h"

namespace scenario::tool {

struct Argomenti {
  std::vector<std::string> posizionali;
  std::map<std::string, std::string> valori;
  std::set<std::string> flag;

  bool ha(const std::string& nome) const { return flag.count(nome) != 0; }
  std::string valore(const std::string& nome, const std::string& predefinito) const {
    auto it = valori.find(nome);
    return it == valori.end() ? predefinito : it->second;
  }
};

// False, with a message in `errore`, for an unknown option or an option
// without its value.
bool analizza(const std::vector<std::string>& args, const std::set<std::string>& con_valore,
              const std::set<std::string>& booleani, Argomenti* out, std::string* errore);

// Parses a command's arguments against the options its usage lists, and
// answers --help and --version (always accepted). Returns the exit status to
// end the command with, or -1 when the command goes on with `a` filled.
int prepara_comando(const std::vector<std::string>& args, const Comando& comando, Argomenti* a, std::ostream& out,
                    std::ostream& err);

// Reports a wrong command line in one line: the reason (`messaggio`, already
// translated) and the command whose --help tells more; returns kUscitaUso.
// An empty `comando` points to the tool's own --help.
int errore_uso(const std::string& messaggio, std::string_view comando, std::ostream& err);
int errore_uso(const std::string& messaggio, const Comando& comando, std::ostream& err);

}  // namespace scenario::tool
