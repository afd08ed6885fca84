// An author's own texts are never lost to a command that writes descriptions
// (decompile, example): before anything is written, every name it would
// replace is checked.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace scenario::tool {

// True when something already stands at one of `percorsi`: each such name is
// told on `err`, then "nothing written". The caller then ends with
// kUscitaGiaPresente.
bool testi_gia_presenti(const std::vector<std::string>& percorsi, std::ostream& err);

}  // namespace scenario::tool
