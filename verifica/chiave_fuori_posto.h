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

// Sets the message and hint of `d` for an entry whose key is `campo` and that
// stands before "[generale]" in the line description (`di_linea`) or the train
// description, where nothing is read: the hint names the heading the entry
// needs. False, and `d` left as it was, when `campo` is no key of either.
bool spiega_prima_di_generale(std::string_view campo, bool di_linea, Diagnostica* d);

}  // namespace scenario::tool
