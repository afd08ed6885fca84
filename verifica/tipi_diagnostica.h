// Every kind of diagnostic the check gives besides the compiler's own fault
// codes, with its severity. One rule decides the severity: an error where the
// compiled files would not hold what the author wrote (a value wrapped or cut,
// an entry or a text dropped); a warning where they hold it but it is most
// likely not what was meant; a note for a change that keeps the meaning.
// Every fault code of the compiler is an error.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "verifica/diagnostiche.h"

namespace scenario::tool {

struct TipoDiagnostica {
  std::string_view nome;   // the kind as printed and in the JSON
  Gravita gravita;
  std::string_view senso;  // what it means, for the guide and --help
};

// Every kind, in the order the guide lists them.
std::span<const TipoDiagnostica> tipi_diagnostica();

// The kind's entry; nullptr for a name not in the table.
const TipoDiagnostica* cerca_tipo(std::string_view nome);

// The kind of a compiler fault code ("fault-16").
std::string nome_tipo_guasto(int codice);

// A diagnostic of the kind, with the kind's severity (a fault's is error).
Diagnostica nuova_diagnostica(std::string_view tipo);

}  // namespace scenario::tool
