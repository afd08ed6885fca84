// The scenario identity a description pair names by itself. The program names
// its descriptions NAME_linea.txt and NAME_NUM-.txt; a pair named so gives the
// line name and the train number of its compile, with no option needed.
#pragma once

#include <optional>
#include <string>

namespace scenario::tool {

struct Identita {
  std::string nome_linea;
  std::string numero_treno;
};

// The identity when both files (their last path component) follow the
// program's naming with the same NAME; none otherwise.
std::optional<Identita> identita_dai_file(const std::string& linea, const std::string& treno);

}  // namespace scenario::tool
