#include "testi/testo.h"

#include <algorithm>
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

// Besides what JSON requires (quotes, backslashes, C0 controls), DEL and the
// C1 controls (U+0080 to U+009F) are escaped too, so that JSON printed on a
// terminal holds nothing the terminal acts on; a byte that is not UTF-8 (a
// path's, say) becomes U+FFFD, so that the document stays JSON.
std::string scrivi_json(std::string_view testo, bool in_script) {
  std::string out = "\"";
  for (size_t i = 0; i < testo.size();) {
    const char c = testo[i];
    uint32_t carattere = 0;
    const size_t lunghezza = leggi_utf8(testo, i, &carattere);
    if (lunghezza == 0) {
      out += "\\ufffd";
      ++i;
      continue;
    }
    if (c == '"' || c == '\\') {
      out.push_back('\\');
      out.push_back(c);
    } else if (carattere < 0x20 || (carattere >= 0x7F && carattere < 0xA0) ||
               (in_script && (c == '<' || c == '>' || c == '&'))) {
      char esc[8];
      std::snprintf(esc, sizeof esc, "\\u%04x", carattere);
      out += esc;
    } else {
      out.append(testo.substr(i, lunghezza));
    }
    i += lunghezza;
  }
  out.push_back('"');
  return out;
}

}  // namespace

std::string json_utf8(std::string_view testo) { return scrivi_json(testo, false); }

std::string json_utf8_in_script(std::string_view testo) { return scrivi_json(testo, true); }

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
