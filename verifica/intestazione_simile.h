// A heading one or two letters away from "[generale]" ("[generali]",
// "[Generale"): the reason a description's general section was not found.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace scenario::tool {

struct IntestazioneSimile {
  int riga = 0;
  size_t colonna = 0;
  size_t larghezza = 0;
  std::string campo;
};

// The first line whose first field is a heading near "[generale]".
std::optional<IntestazioneSimile> generale_simile(std::string_view testo);

}  // namespace scenario::tool
