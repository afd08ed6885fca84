// Text helpers of the tool: the 8-bit Western texts of the model shown as
// UTF-8, JSON string literals, and text for XML and HTML. (The terminal's
// escaping is in citazione.h.)
#pragma once

#include <string>
#include <string_view>

namespace scenario::tool {

// Windows-1252 bytes to UTF-8 (bytes the set leaves undefined become U+FFFD).
std::string utf8(std::string_view testo);

// A path as UTF-8: as it is when it is well-formed UTF-8 (the system's
// paths), otherwise read as Windows-1252 (a name from an 8-bit world).
std::string utf8_percorso(std::string_view percorso);

// A JSON string literal of an 8-bit text of the model, quotes included.
std::string json_stringa(std::string_view testo);
// The same for a text meant as UTF-8: messages, and paths (bytes that are not
// UTF-8 become U+FFFD).
std::string json_utf8(std::string_view testo);
// The same, also safe inside an HTML <script> element: '<', '>' and '&' are
// written as escapes, so no text can close the element.
std::string json_utf8_in_script(std::string_view testo);

// A text meant as UTF-8 made safe for XML (and HTML) content and attribute
// values: the five markup characters as entities; control characters, which
// XML 1.0 does not allow, and bytes that are not UTF-8 become U+FFFD, so the
// document stays well-formed whatever the text holds.
std::string xml_escape(std::string_view testo);

}  // namespace scenario::tool
