#include "testi/testo.h"

#include <algorithm>
#include <cstdint>

#include "testi/json.h"
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

std::string utf8_percorso(std::string_view percorso) {
  for (size_t i = 0; i < percorso.size();) {
    uint32_t carattere = 0;
    const size_t lunghezza = leggi_utf8(percorso, i, &carattere);
    if (lunghezza == 0) return utf8(percorso);
    i += lunghezza;
  }
  return std::string(percorso);
}

std::string json_utf8(std::string_view testo) { return scrivi_json(Json(testo)); }

std::string json_utf8_in_script(std::string_view testo) { return scrivi_json_in_script(Json(testo)); }

std::string json_stringa(std::string_view testo) { return json_utf8(utf8(testo)); }

std::string xml_escape(std::string_view testo) {
  std::string out;
  out.reserve(testo.size());
  for (size_t i = 0; i < testo.size();) {
    const char c = testo[i];
    switch (c) {
      case '&': out += "&amp;"; ++i; continue;
      case '<': out += "&lt;"; ++i; continue;
      case '>': out += "&gt;"; ++i; continue;
      case '"': out += "&quot;"; ++i; continue;
      case '\'': out += "&apos;"; ++i; continue;
      default: break;
    }
    uint32_t carattere = 0;
    const size_t lunghezza = leggi_utf8(testo, i, &carattere);
    const bool ammesso = lunghezza > 0 && (carattere >= 0x20 || c == '\t' || c == '\n' || c == '\r') &&
                         carattere != 0xFFFE && carattere != 0xFFFF;
    if (ammesso) {
      out.append(testo.substr(i, lunghezza));
    } else {
      out += "\xEF\xBF\xBD";
    }
    i += std::max<size_t>(lunghezza, 1);
  }
  return out;
}

}  // namespace scenario::tool
