// Helpers of the tool's tests: a command run in-process with its output kept,
// and a file of the source tree read whole.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

#include "tool/comandi.h"

namespace scenario::tool {

struct Uscita {
  int stato;
  std::string out, err;
};

// Runs `comando` (esegui_tool or one command) on `args`.
inline Uscita esegui_con(int (*comando)(const Args&, std::ostream&, std::ostream&), const Args& args) {
  std::ostringstream out, err;
  const int stato = comando(args, out, err);
  return {stato, out.str(), err.str()};
}

inline Uscita esegui(const Args& args) { return esegui_con(esegui_tool, args); }

// A file of the project's sources, such as "README.md"; empty when missing.
inline std::string leggi_sorgente(const std::string& percorso) {
  std::ifstream in(std::string(SCENARIO_SOURCE_DIR) + "/" + percorso, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace scenario::tool
