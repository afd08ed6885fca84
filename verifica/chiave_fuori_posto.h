// A field read as a key that no key of its place takes, for a reason the
// author can act on: a key of the other description, a key of the line's
// objects in its general section or the other way round, or a comment read
// as a key because too many comment lines came in a row.
#pragma once

#include <string_view>

#include "verifica/diagnostiche.h"

namespace scenario::tool {

// Rewrites the message and hint of `d`, the warning for `campo` in the line
// description (`di_linea`) or the train description; false, and `d` left as
// it was, when none of these reasons applies.
bool spiega_fuori_posto(std::string_view campo, bool di_linea, Diagnostica* d);

}  // namespace scenario::tool
