#include "testi/json.h"

namespace scenario::tool {

std::string scrivi_json(const Json& documento) {
  return documento.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string scrivi_json_in_script(const Json& documento) {
  // Outside its strings, JSON text has no '<', '>' or '&': each one the
  // writer gave stands inside a string, where its escape means the same.
  const std::string testo = scrivi_json(documento);
  std::string out;
  out.reserve(testo.size());
  for (char c : testo) {
    if (c == '<') out += "\\u003c";
    else if (c == '>') out += "\\u003e";
    else if (c == '&') out += "\\u0026";
    else out.push_back(c);
  }
  return out;
}

}  // namespace scenario::tool
