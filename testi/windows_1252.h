// The 8-bit Western character set of the descriptions and the compiled files
// (Windows-1252), and the UTF-8 code units the tool reads and prints.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace scenario::tool {

// The character a byte stands for; 0 for the five bytes the set leaves
// undefined (81, 8D, 8F, 90, 9D).
uint32_t da_1252(unsigned char byte);

// The byte that stands for a character, or none when the set has no place for it.
std::optional<unsigned char> in_1252(uint32_t carattere);

// Appends a character (below U+110000) as UTF-8.
void aggiungi_utf8(uint32_t carattere, std::string* out);

// Decodes the UTF-8 character that starts at `pos`: its length in bytes, or 0
// when the bytes there are not well-formed UTF-8 (overlong forms, surrogates
// and values beyond U+10FFFF included).
size_t leggi_utf8(std::string_view testo, size_t pos, uint32_t* carattere);

}  // namespace scenario::tool
