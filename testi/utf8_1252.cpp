#include "testi/utf8_1252.h"

#include <optional>

#include "testi/windows_1252.h"

namespace scenario::tool {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// Well-formed UTF-8 with at least one character beyond ASCII.
bool testo_utf8(std::string_view testo) {
  bool oltre_ascii = false;
  uint32_t carattere = 0;
  for (size_t pos = 0; pos < testo.size();) {
    const size_t n = leggi_utf8(testo, pos, &carattere);
    if (n == 0) return false;
    oltre_ascii = oltre_ascii || n > 1;
    pos += n;
  }
  return oltre_ascii;
}

}  // namespace

ConversioneUtf8 da_utf8(std::string_view testo) {
  ConversioneUtf8 c;
  if (testo.starts_with(kBom)) testo.remove_prefix(kBom.size());
  if (!testo_utf8(testo)) {
    c.testo = std::string(testo);
    return c;
  }
  c.era_utf8 = true;
  c.testo.reserve(testo.size());
  bool primo = true;
  uint32_t carattere = 0;
  for (size_t pos = 0; pos < testo.size();) {
    const size_t n = leggi_utf8(testo, pos, &carattere);
    pos += n;
    if (n > 1 && primo) {
      c.primo_convertito = c.testo.size();
      primo = false;
    }
    const std::optional<unsigned char> byte = in_1252(carattere);
    if (!byte) c.senza_posto.push_back({c.testo.size(), carattere});
    c.testo.push_back(static_cast<char>(byte.value_or('?')));
  }
  return c;
}

}  // namespace scenario::tool
