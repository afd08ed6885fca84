// Reading a compiled file from disk for a command that shows or converts it.
// The size is checked before anything is read, so that a file far larger than
// any the compiler writes, or an empty one, is refused at once and costs no
// memory.
#pragma once

#include <string>

#include "model/decodifica_file.h"
#include "platform/file_a_pezzi.h"

namespace scenario {

struct LetturaCompilato {
  enum class Esito { kLetto, kIlleggibile, kNonValido };
  Esito esito = Esito::kLetto;
  // kIlleggibile: the file's name and the system's reason. kNonValido: why the
  // file cannot be of its kind (the caller names the file).
  Testo messaggio;

  bool ok() const { return esito == Esito::kLetto; }
};

// The bytes of the compiled file `percorso` of kind `tipo`, when its size
// allows it, in `dati`; no more than the largest file of the kind is read.
LetturaCompilato leggi_compilato(const std::string& percorso, TipoCompilato tipo, std::string* dati);

// The same checks, with the file left open in `file` to be read a piece at a
// time instead of whole.
LetturaCompilato apri_compilato(const std::string& percorso, TipoCompilato tipo, FileAPezzi* file);

}  // namespace scenario
