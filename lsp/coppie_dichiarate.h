// Pairs named in a workspace file, for descriptions whose names do not tell
// which is which: a file "scenario.json" in the descriptions' folder,
//   {"pairs": [{"line": "route.txt", "train": "express.txt"}]}
// the names relative to that folder. A file the workspace file names is
// paired as it says, whatever its name.
#pragma once

#include <optional>
#include <string>

#include "lsp/voci.h"

namespace scenario::lsp {

struct CoppiaDichiarata {
  Descrizione descrizione;  // which description the file is
  std::string compagno;     // the partner's path
};

// The pair the folder's workspace file names `percorso` in; none when there
// is no such file, it cannot be read as JSON, or it does not name the file.
std::optional<CoppiaDichiarata> coppia_dichiarata(const std::string& percorso);

}  // namespace scenario::lsp
