#include "testi/testo.h"

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

std::string json_utf8(std::string_view testo) { return scrivi_json(Json(testo)); }

std::string json_utf8_in_script(std::string_view testo) { return scrivi_json_in_script(Json(testo)); }

std::string json_stringa(std::string_view testo) { return json_utf8(utf8(testo)); }

}  // namespace scenario::tool
