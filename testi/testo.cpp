#include "testi/testo.h"

#include <cstdint>
#include <cstdio>

#include "testi/windows_1252.h"

namespace scenario::tool {

std::string utf8(std::string_view testo) {
  std::string out;
  out.reserve(testo.size());
  for (char c : testo) {
    const uint32_t carattere = da_1252(static_cast<unsigned char>(c));
    aggiungi_utf8(carattere != 0 ? carattere : 0xFFFD, &out);
  }
  return out;
}

namespace {

std::string scrivi_json(std::string_view testo, bool in_script) {
  std::string out = "\"";
  for (char c : testo) {
    const auto b = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out.push_back('\\');
      out.push_back(c);
    } else if (b < 0x20 || (in_script && (c == '<' || c == '>' || c == '&'))) {
      char esc[8];
      std::snprintf(esc, sizeof esc, "\\u%04x", b);
      out += esc;
    } else {
      out.push_back(c);
    }
  }
  out.push_back('"');
  return out;
}

}  // namespace

std::string json_utf8(std::string_view testo) { return scrivi_json(testo, false); }

std::string json_utf8_in_script(std::string_view testo) { return scrivi_json(testo, true); }

std::string json_stringa(std::string_view testo) { return json_utf8(utf8(testo)); }

}  // namespace scenario::tool
