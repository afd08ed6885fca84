// Where a line of a description stands: before the general section, in it,
// or in the object part, as the readers see it; and the section headings a
// description is written with.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "lsp/righe.h"
#include "lsp/voci.h"

namespace scenario::lsp {

// The first line that holds "[generale]" (letter case ignored).
std::optional<size_t> riga_generale(const Righe& righe);

// The part whose key tests a field of line `riga` is tried against; none
// before "[generale]".
std::optional<Parte> parte_alla_riga(const Righe& righe, size_t riga, Descrizione descrizione);

struct Titolo {
  std::string_view testo;     // "[cartelli]"
  std::string_view contenuto = {};  // the entries it holds by convention; empty when its name says it
};

// The headings the writer of each description uses, in order.
std::span<const Titolo> titoli(Descrizione descrizione);

}  // namespace scenario::lsp
