// Every fault code of the compiler, named and described once, in one table.
// Code, report and tests use the names; the number is what the author sees
// (" Errore n. 15") and what an older scenario's documentation lists.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace scenario {

// X(name, code, meaning): the meaning is the short plain text of the report.
#define SCENARIO_CODICI_ERRORE(X)                                                                              \
  X(kErroreLunghezzaOltre, 1, "line length above 1000000 m")                                                   \
  X(kErroreProgressive, 2, "a kilometre-post system's start or value is not a multiple of 50")                 \
  X(kErroreRipetizionePrima, 3, "first signal-repetition distance is not a multiple of 50")                    \
  X(kErroreRipetizioneSeconda, 4, "second signal-repetition distance is not a multiple of 50")                 \
  X(kErroreRipetizioneCodici, 5, "signal-repetition entry names neither 4 nor 9 codes")                        \
  X(kErroreCartelloOccupato, 6, "signpost cell is not free")                                                   \
  X(kErroreAbbattimentoOccupato, 7, "abbattimento cell is not free")                                           \
  X(kErroreStazionePosizione, 8, "station position is not a multiple of 50")                                   \
  X(kErroreStazioneLunghezza, 9, "station length is not a multiple of 100")                                    \
  X(kErroreStazioniTroppe, 10, "station rows would reach the signpost rows")                                   \
  X(kErroreMarcaSegnale, 11, "no room for a marker before a signal near a slowdown warning")                   \
  X(kErroreFinestraOccupata, 12, "a whole window before a slowdown start is taken")                            \
  X(kErroreMarcaRallentamento, 13, "no free cell for a marker in or after a slowdown")                         \
  X(kErroreOltreLeCelle, 15, "position beyond the end of the cell array")                                      \
  X(kErroreSegnaleOccupato, 16, "signal cell is not free")                                                     \
  X(kErroreAvvisoOccupato, 17, "slowdown warning cell is not free")                                            \
  X(kErroreInizioOccupato, 18, "slowdown start cell is not free")                                              \
  X(kErroreFineOccupata, 19, "slowdown end cell is not free")                                                  \
  X(kErrorePreavvisoOccupato, 20, "slowdown pre-warning cells are not free")                                   \
  X(kErroreIndicatoreOccupato, 21, "maximum-speed indicator cell is not free")                                 \
  X(kErroreStazioniVicine, 22, "station zone starts less than 350 m after the previous one ends")              \
  X(kErroreFermataAllOrigine, 24, "station stopping cell would lie at or before cell 1")                       \
  X(kErroreLettura, 25,                                                                                        \
    "reading failure (file unreadable, malformed number, value too wide, or file ends inside an entry)")       \
  X(kErroreTroppiCartelli, 26, "more than 80 signposts")                                                       \
  X(kErroreTroppeMontagne, 27, "more than 80 mountain sections")                                               \
  X(kErroreSenzaLunghezza, 28, "no line length entry: no cell array")                                          \
  X(kErroreLunghezzaNegativa, 29, "negative line length")                                                      \
  X(kErrorePendenzaOltre, 30, "gradient entry runs past the last cell")                                        \
  X(kErroreOggettoLineaFuori, 31, "line object outside the cell array")                                        \
  X(kErroreOggettoTrenoFuori, 32, "train object outside the cell array")                                       \
  X(kErroreSenzaFine, 33, "slowdown without an end cell before the last cell")                                 \
  X(kErroreLineaMancante, 101, "line description missing")                                                     \
  X(kErroreSenzaGenerale, 102, "line description has no [generale] section")                                   \
  X(kErroreCurva, 103, "curve key without a curvature digit 1-6, or plan beyond metre 1000000")                \
  X(kErroreCurvaOltre, 104, "curve runs past the end of the plan")                                             \
  X(kErroreSlotIntero, 1250, "reserved slot row 85 intero1 or cell 1 valore_a already in use")                 \
  X(kErroreSlotCodice, 1251, "reserved slot row 85 dato4 or cell 1 valore_b already in use")

// The names, usable wherever a code is an int32_t.
enum CodiceErrore : int32_t {
#define SCENARIO_NOME_ERRORE(nome, codice, testo) nome = codice,
  SCENARIO_CODICI_ERRORE(SCENARIO_NOME_ERRORE)
#undef SCENARIO_NOME_ERRORE
};

struct VoceErrore {
  int32_t codice;
  std::string_view testo;
};

// The whole table, in increasing order of code.
std::span<const VoceErrore> codici_errore();

// A short description of the code ("unknown code" for a code the compiler
// never records).
std::string_view descrizione_errore(int32_t codice);

}  // namespace scenario
