// A text in UTF-16 or UTF-32, with or without a byte-order mark: every
// character of it takes two or four bytes, most of them 0, which an 8-bit
// reader takes for characters of their own.
#pragma once

#include <optional>
#include <string_view>

namespace scenario::tool {

// "UTF-16 little-endian" and the like; none for an 8-bit or UTF-8 text.
std::optional<std::string_view> codifica_larga(std::string_view testo);

}  // namespace scenario::tool
