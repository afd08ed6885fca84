// The key words of the description readers, as their key tables hold them: a
// key field is recognised by containing both words (the second may be empty).
// Read by the documentation test so that a new key cannot go undocumented.
#pragma once

#include <string_view>
#include <vector>

namespace scenario {

struct ParoleChiave {
  std::string_view prima;
  std::string_view seconda;
};

// The line description's general section, its object part, and the train
// description, each in the order its reader tries them.
std::vector<ParoleChiave> parole_chiave_generali();
std::vector<ParoleChiave> parole_chiave_oggetti();
std::vector<ParoleChiave> parole_chiave_treno();

}  // namespace scenario
