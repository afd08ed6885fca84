// Which key a field that matches no key test was most likely meant to be. A
// key test looks for its words anywhere in the field, so a field is measured
// against each word as a stretch of the field: "stazone,  5700" is one letter
// away from "stazione", "percentuale masa frenata" one from "massa".
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace scenario::tool {

// The fewest single-letter insertions, deletions, substitutions or swaps of
// two neighbouring letters that turn some stretch of `campo` into `parola`.
// Letter case counts only when `maiuscole` is true.
size_t distanza_in(std::string_view campo, std::string_view parola, bool maiuscole);

// The stretch of `campo`, [inizio, fine), nearest to `parola`, and its edits.
struct TrattoVicino {
  size_t distanza = 0;
  size_t inizio = 0;
  size_t fine = 0;
};
TrattoVicino tratto_vicino(std::string_view campo, std::string_view parola, bool maiuscole);

// The edits a word of this length may need and still be taken for a typo.
size_t distanza_ammessa(std::string_view parola);

struct ChiaveCandidata {
  std::vector<std::string_view> parole;  // every word the key test looks for
  bool maiuscole = false;                // the test compares letter case too
};

// The longest field measured against the keys: a key is a few words, and a
// field with a key in it stands in the first dozens of bytes of a line.
constexpr size_t kCampoMassimoMisurato = 256;

// The candidate nearest to `campo`: each of its words within reach, at least
// one edit in all (a field holding every word would have matched), the fewest
// edits in all; on a tie, the first candidate. None when nothing is near, or
// when the field is longer than kCampoMassimoMisurato.
std::optional<size_t> chiave_vicina(std::string_view campo, std::span<const ChiaveCandidata> candidate);

// `campo` with the stretch nearest to each word of the key replaced by the
// word: "velcita" becomes "velocita", "sfondo un" "sfondo uno". A key tried
// without letter case comes in small letters.
std::string corretto(std::string_view campo, const ChiaveCandidata& chiave);

}  // namespace scenario::tool
