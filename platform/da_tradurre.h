// Texts that scenario-tool shows in the user's language. The core holds and
// prints them in English only; the program's own texts are never marked.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// N_ marks such a text where it is defined and leaves it as it is; the
// extraction of the message catalogue finds the texts by it.
#define N_(testo) testo

namespace scenario {

// `modello` with %1 to %9 replaced by the values, in any order, so that a
// translation may place them where its language wants them. A %N without its
// value stays as it stands.
std::string componi(std::string_view modello, const std::vector<std::string>& valori);

// A text the core gives in English, kept as what it is made of so that the
// tool can show it in another language: `modello` (marked with N_) and its
// values. A text without a translation is {"%1", {text}}.
struct Testo {
  std::string_view modello;
  std::vector<std::string> valori;

  std::string inglese() const { return componi(modello, valori); }
};

}  // namespace scenario
