#include "testi/json.h"

namespace scenario::tool {

std::string scrivi_json(const Json& documento) {
  // The writer leaves DEL and the C1 controls (U+0080 to U+009F, C2 80 to
  // C2 9F) as they are; they only occur inside strings, and are escaped there
  // so that JSON printed on a terminal holds nothing the terminal acts on.
  const std::string testo = documento.dump(-1, ' ', false, Json::error_handler_t::replace);
  std::string out;
  out.reserve(testo.size());
  for (size_t i = 0; i < testo.size(); ++i) {
    const auto b = static_cast<unsigned char>(testo[i]);
    const auto dopo = i + 1 < testo.size() ? static_cast<unsigned char>(testo[i + 1]) : 0;
    if (b == 0x7F) {
      out += "\\u007f";
    } else if (b == 0xC2 && dopo >= 0x80 && dopo < 0xA0) {
      static constexpr char kCifre[] = "0123456789abcdef";
      out += "\\u00";
      out.push_back(kCifre[dopo >> 4]);
      out.push_back(kCifre[dopo & 0xF]);
      ++i;
    } else {
      out.push_back(testo[i]);
    }
  }
  return out;
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
