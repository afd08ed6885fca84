// lsp: the language server for editors, over standard input and output.
#include <iostream>

#include "lsp/server.h"
#include "platform/traduzione.h"
#include "tool/argomenti.h"
#include "tool/comandi.h"
#include "tool/uso.h"

namespace scenario::tool {

int comando_lsp(const Args& args, std::ostream& out, std::ostream& err) {
  const Comando& uso = *trova_comando("lsp");
  Argomenti a;
  if (int stato = prepara_comando(args, uso, &a, out, err); stato >= 0) return stato;
  if (!a.posizionali.empty()) return errore_uso(traduci("lsp takes no argument"), uso, err);
  return lsp::esegui_server(std::cin, out, err);
}

}  // namespace scenario::tool
