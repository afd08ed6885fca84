// The tool's one JSON writer: every JSON text the tool prints (check and
// compile --json, the viewer's data, the language server's messages) is a
// document of nlohmann-json, its members in the order they were added.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

namespace scenario::tool {

using Json = nlohmann::ordered_json;

// The document as compact JSON text. A string that is not well-formed UTF-8
// never stops the writer: each bad byte is written as U+FFFD.
std::string scrivi_json(const Json& documento);

// The same, also safe inside an HTML <script> element: '<', '>' and '&' are
// written as escapes, so no text can close the element.
std::string scrivi_json_in_script(const Json& documento);

}  // namespace scenario::tool
