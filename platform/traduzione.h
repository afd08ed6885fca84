// The tool's messages in the user's language. The code holds them in English;
// the message catalogues, compiled from tool/po/ and installed under
// share/locale beside the tool's bin/, give the other languages.
#pragma once

#include <string>
#include <string_view>

#include "platform/da_tradurre.h"

namespace scenario::tool {

// Picks the language from LANGUAGE, LC_ALL, LC_MESSAGES and LANG and finds
// the catalogues; main calls it once. Until then, and wherever no catalogue
// matches, every message stays English.
void inizializza_traduzioni();

// The message `testo` in the chosen language. A text to be found by the
// catalogue's extraction is written inside the call, or marked with N_ where
// it is defined; componi (platform/da_tradurre.h) fills in its values.
std::string traduci(std::string_view testo);

// A text of the core (a refused file's reason, a file-system failure) in the
// chosen language: its template translated, then its values filled in.
std::string nella_lingua(const Testo& testo);

}  // namespace scenario::tool
