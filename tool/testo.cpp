#include "tool/testo.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace scenario::tool {
namespace {

// Code points of bytes 80 to 9F in Windows-1252; 0 where the set has none.
constexpr std::array<uint16_t, 32> kAlti = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void aggiungi_codice(uint32_t cp, std::string* out) {
  if (cp < 0x80) {
    out->push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out->push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

}  // namespace

std::string utf8(std::string_view testo) {
  std::string out;
  out.reserve(testo.size());
  for (char c : testo) {
    const auto b = static_cast<unsigned char>(c);
    uint32_t cp = b;
    if (b >= 0x80 && b < 0xA0) cp = kAlti[b - 0x80] != 0 ? kAlti[b - 0x80] : 0xFFFD;
    aggiungi_codice(cp, &out);
  }
  return out;
}

std::string json_stringa(std::string_view testo) {
  std::string out = "\"";
  for (char c : utf8(testo)) {
    const auto b = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out.push_back('\\');
      out.push_back(c);
    } else if (b < 0x20) {
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

}  // namespace scenario::tool
