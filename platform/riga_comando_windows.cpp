// windows.h comes first: shellapi.h needs its definitions.
#include <windows.h>
//
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>

#include "platform/riga_comando.h"
#include "platform/testo_windows.h"

namespace scenario {
namespace {

UINT pagina_di_prima = 0;

// The standard streams (std::cout writes through them) are flushed first:
// their last bytes are still to be shown in UTF-8.
void ripristina_pagina() {
  std::fflush(nullptr);
  ::SetConsoleOutputCP(pagina_di_prima);
}

}  // namespace

std::vector<std::string> argomenti_utf8(int argc, char** argv) {
  int n = 0;
  wchar_t** larghi = ::CommandLineToArgvW(::GetCommandLineW(), &n);
  // Without the system's parse, the narrow ones are still better than none.
  if (larghi == nullptr) return {argv + (argc > 0 ? 1 : 0), argv + argc};
  std::vector<std::string> argomenti;
  for (int i = 1; i < n; ++i) argomenti.push_back(utf8(larghi[i]));
  ::LocalFree(larghi);
  return argomenti;
}

void prepara_console() {
  std::fflush(stdout);
  std::fflush(stderr);
  // Standard input too: the language server reads byte counts from it.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  // A console keeps its code page after the program ends: the one found is
  // put back, so that the shell the tool ran from is left as it was.
  const UINT pagina = ::GetConsoleOutputCP();
  if (pagina != 0 && pagina != CP_UTF8 && ::SetConsoleOutputCP(CP_UTF8)) {
    pagina_di_prima = pagina;
    std::atexit(ripristina_pagina);
  }
}

}  // namespace scenario
