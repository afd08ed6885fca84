// Text helpers of the tool: the 8-bit Western texts of the model shown as
// UTF-8, and JSON string literals.
#pragma once

#include <string>
#include <string_view>

namespace scenario::tool {

// Windows-1252 bytes to UTF-8 (bytes the set leaves undefined become U+FFFD).
std::string utf8(std::string_view testo);

// A JSON string literal of an 8-bit text, quotes included.
std::string json_stringa(std::string_view testo);
// The same for a text already in UTF-8.
std::string json_utf8(std::string_view testo);
// The same, also safe inside an HTML <script> element: '<', '>' and '&' are
// written as escapes, so no text can close the element.
std::string json_utf8_in_script(std::string_view testo);

}  // namespace scenario::tool
