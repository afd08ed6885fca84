// The language the environment asks the tool's messages in, read the same way
// on every system.
#pragma once

#include <optional>
#include <string>

namespace scenario::tool {

// Whether `nome` is the C or POSIX locale, whose messages are the English ones.
bool locale_c(const std::string& nome);

// The languages asked for: LANGUAGE (a list such as "fr:it") when set, or else
// the first of LC_ALL, LC_MESSAGES and LANG that is set. An empty text when
// that locale is C or POSIX, which keeps English whatever LANGUAGE says;
// nothing when none of them is set.
std::optional<std::string> lingue_richieste();

}  // namespace scenario::tool
