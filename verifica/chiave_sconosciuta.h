// A field where a key belongs that matches no key test. Near a real key it is
// a misspelt key, and the whole entry is lost: an error, with the key it was
// meant to be. Near none, it is taken for a note the author left: a warning.
#pragma once

#include <string_view>

#include "verifica/diagnostiche.h"

namespace scenario::tool {

// Which description the field is in: the line's keys (its general section's
// and its object part's) or the train's.
enum class Sezione { kLinea, kTreno };

// The diagnostic's kind, message and hint; where it stands is the caller's.
Diagnostica chiave_sconosciuta(std::string_view campo, Sezione sezione);

// Whether a key lies near the field: an error rather than a warning. The
// record's test (Traccia::chiave_vicina) for the unknown keys only counted.
bool chiave_vicina_a(std::string_view campo, bool di_treno);

}  // namespace scenario::tool
