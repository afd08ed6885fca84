// The key words of the two descriptions, spelled once. The readers recognise
// a key field by its words, the language server names and completes keys by
// them, and decompile writes each key as `chiave`: one entry here per kind of
// entry, so that a key word cannot differ between them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace scenario {

// A key field is the entry's when it contains `prima` and `seconda` (an empty
// second word matches any field), in any letter case unless `maiuscole`.
// `chiave` is the key as the scenario's own descriptions write it.
struct ParolaChiave {
  std::string_view chiave;
  std::string_view prima;
  std::string_view seconda = {};
  bool maiuscole = false;
};

namespace parole {

// The line description's general section.
inline constexpr ParolaChiave kLunghezzaPercorso{"lunghezza percorso", "percorso", "lunghezza"};
inline constexpr ParolaChiave kProgressivaTre{"progressiva chilometrica tre", "tre", "progressiva", true};
inline constexpr ParolaChiave kProgressivaDue{"progressiva chilometrica due", "due", "progressiva", true};
inline constexpr ParolaChiave kProgressivaUno{"progressiva chilometrica uno", "uno", "progressiva", true};
inline constexpr ParolaChiave kSfondoUno{"sfondo uno", "sfondo", "uno", true};
inline constexpr ParolaChiave kSfondoDue{"sfondo due", "sfondo", "due", true};
inline constexpr ParolaChiave kSfondoTre{"sfondo tre", "sfondo", "tre", true};
inline constexpr ParolaChiave kRipetizioneSegnali{"ripetizione segnali 4 codici", "segnali", "ripetizione", true};

// The line description's objects.
inline constexpr ParolaChiave kPendenza{"pendenza", "pendenza"};
inline constexpr ParolaChiave kCurva{"curvad1", "curva"};
inline constexpr ParolaChiave kMontagna{"montagna", "montagna"};
inline constexpr ParolaChiave kIndicatori{"indicatori_vmax", "indicatori_v"};
inline constexpr ParolaChiave kCartello{"cartello_indicatore", "indicat", "cartello"};

// The train description.
inline constexpr ParolaChiave kMassaFrenata{"percentuale massa frenata", "frenata", "massa"};
inline constexpr ParolaChiave kVetture{"numero vetture", "vetture"};
inline constexpr ParolaChiave kVelocita{"velocita", "velocit"};
inline constexpr ParolaChiave kAderenza{"aderenza", "aderenza"};
inline constexpr ParolaChiave kOrologio{"orologio", "orologio"};
inline constexpr ParolaChiave kSabbia{"sabbia", "sabbia"};
inline constexpr ParolaChiave kSegnale{"segnale", "segnale"};
inline constexpr ParolaChiave kRallentamento{"rallentamento", "rallentamento"};
inline constexpr ParolaChiave kAbbattimento{"abbattimento", "abbattimento"};
inline constexpr ParolaChiave kStazione{"stazione", "stazione"};

}  // namespace parole

// The keys that carry a choice of the author's in their words, as written
// for that choice: the signal-repetition key names its code count (4 or 9),
// a curve key its side (`s` left, `d` right) and its curvature digit (1 to 6).
inline std::string chiave_ripetizione_segnali(int32_t codici) {
  return "ripetizione segnali " + std::to_string(codici) + " codici";
}
inline std::string chiave_curva(bool sinistra, char cifra) {
  return std::string("curva") + (sinistra ? 's' : 'd') + cifra;
}

// The entries of each reader's key table, in the order it tries them: the
// line description's general section, its object part, and the train
// description. The checker suggests keys from them, and the documentation
// test reads them so that a new key cannot go undocumented.
std::vector<ParolaChiave> parole_chiave_generali();
std::vector<ParolaChiave> parole_chiave_oggetti();
std::vector<ParolaChiave> parole_chiave_treno();

}  // namespace scenario
