// The compile step on two description texts held in memory, giving the bytes
// of the compiled files. Everything the decompiler compiles goes through this
// one function, a thin shape over the core's in-memory compile.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/file_compilati.h"
#include "model/tracciato.h"

namespace scenario::decompila {

struct Compilati {
  bool prodotti = false;  // false: the compile wrote nothing (see `perche`)
  std::string perche;
  FileCodificati file;  // the plan absent when not drawn, or not asked for whole
  // The plan drawn, to be encoded a piece at a time (when not asked for whole).
  std::optional<Tracciato> tracciato;
  int32_t codice_errore = 0;
};

Compilati compila_testi(const std::string& linea, const std::string& treno, const std::string& nome_linea,
                        const std::string& numero_treno, bool con_tracciato, bool tracciato_intero = true);

}  // namespace scenario::decompila
