// Descriptions written in UTF-8. The compiled files hold Windows-1252 text, so
// a UTF-8 name stored as it stands would show garbled ("LocalitÃ "). A text
// that is well-formed UTF-8 and holds a character beyond ASCII is taken as
// UTF-8 and converted; a text that is not well-formed UTF-8 is already
// Windows-1252 and stays as it is.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace scenario::tool {

struct SenzaPosto {
  size_t offset;       // where the character stands in the converted text
  uint32_t carattere;  // the character Windows-1252 has no place for
};

struct ConversioneUtf8 {
  bool era_utf8 = false;           // the text was taken as UTF-8 and converted
  std::string testo;               // the text in Windows-1252 ("?" for a character with no place)
  size_t primo_convertito = 0;     // offset in `testo` of the first character beyond ASCII
  std::vector<SenzaPosto> senza_posto;
};

// The text in Windows-1252. A byte-order mark at the start is dropped.
ConversioneUtf8 da_utf8(std::string_view testo);

}  // namespace scenario::tool
