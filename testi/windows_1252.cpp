#include "testi/windows_1252.h"

#include <array>

namespace scenario::tool {
namespace {

// Characters of bytes 80 to 9F; 0 where the set has none. Every other byte
// stands for the character of the same number.
constexpr std::array<uint16_t, 32> kAlti = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

bool continuazione(unsigned char b) { return (b & 0xC0) == 0x80; }

}  // namespace

uint32_t da_1252(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0) return kAlti[byte - 0x80];
  return byte;
}

std::optional<unsigned char> in_1252(uint32_t carattere) {
  if (carattere < 0x80 || (carattere >= 0xA0 && carattere <= 0xFF)) return static_cast<unsigned char>(carattere);
  for (size_t i = 0; i < kAlti.size(); ++i) {
    if (kAlti[i] != 0 && kAlti[i] == carattere) return static_cast<unsigned char>(0x80 + i);
  }
  return std::nullopt;
}

void aggiungi_utf8(uint32_t carattere, std::string* out) {
  if (carattere < 0x80) {
    out->push_back(static_cast<char>(carattere));
  } else if (carattere < 0x800) {
    out->push_back(static_cast<char>(0xC0 | (carattere >> 6)));
    out->push_back(static_cast<char>(0x80 | (carattere & 0x3F)));
  } else if (carattere < 0x10000) {
    out->push_back(static_cast<char>(0xE0 | (carattere >> 12)));
    out->push_back(static_cast<char>(0x80 | ((carattere >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (carattere & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xF0 | (carattere >> 18)));
    out->push_back(static_cast<char>(0x80 | ((carattere >> 12) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | ((carattere >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (carattere & 0x3F)));
  }
}

size_t leggi_utf8(std::string_view testo, size_t pos, uint32_t* carattere) {
  const auto b0 = static_cast<unsigned char>(testo[pos]);
  size_t lunghezza = 0;
  uint32_t minimo = 0;
  uint32_t valore = 0;
  if (b0 < 0x80) {
    *carattere = b0;
    return 1;
  } else if ((b0 & 0xE0) == 0xC0) {
    lunghezza = 2, minimo = 0x80, valore = b0 & 0x1Fu;
  } else if ((b0 & 0xF0) == 0xE0) {
    lunghezza = 3, minimo = 0x800, valore = b0 & 0x0Fu;
  } else if ((b0 & 0xF8) == 0xF0) {
    lunghezza = 4, minimo = 0x10000, valore = b0 & 0x07u;
  } else {
    return 0;
  }
  if (testo.size() - pos < lunghezza) return 0;
  for (size_t i = 1; i < lunghezza; ++i) {
    const auto b = static_cast<unsigned char>(testo[pos + i]);
    if (!continuazione(b)) return 0;
    valore = (valore << 6) | (b & 0x3Fu);
  }
  if (valore < minimo || valore > 0x10FFFF || (valore >= 0xD800 && valore <= 0xDFFF)) return 0;
  *carattere = valore;
  return lunghezza;
}

}  // namespace scenario::tool
