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

}  // namespace scenario::tool
