// The tool's messages in the user's language. The code holds them in English;
// the message catalogues, compiled from tool/po/ and installed under
// share/locale beside the tool's bin/, give the other languages.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "model/da_tradurre.h"

namespace scenario::tool {

// Picks the language from LANGUAGE, LC_ALL, LC_MESSAGES and LANG and finds
// the catalogues; main calls it once. Until then, and wherever no catalogue
// matches, every message stays English.
void inizializza_traduzioni();

// The message `testo` in the chosen language. A text to be found by the
// catalogue's extraction is written inside the call, or marked with N_ where
// it is defined.
std::string traduci(std::string_view testo);

// `modello` with %1 to %9 replaced by the values, in any order, so that a
// translation may place them where its language wants them.
std::string componi(std::string_view modello, std::initializer_list<std::string_view> valori);

}  // namespace scenario::tool
