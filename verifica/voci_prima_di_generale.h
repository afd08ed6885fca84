// Entries written before a description's "[generale]". Both readers pass over
// everything before that heading, so a free note may stand there; an entry
// there (a key word followed by a number field) is never read, which is most likely
// not what its author meant.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "verifica/diagnostiche.h"

namespace scenario::tool {

// A warning for each line before the first line holding "[generale]" whose
// first field is a key of either description and whose second field holds
// numbers alone, at the key. None when the text has no "[generale]": that
// fault is told on its own.
std::vector<Diagnostica> voci_prima_di_generale(std::string_view testo, const std::string& file, bool di_linea);

}  // namespace scenario::tool
