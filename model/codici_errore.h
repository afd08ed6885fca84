// Every fault code of the compiler, named and described once, in one table.
// Code, report and tests use the names; the number is what the author sees
// (" Errore n. 15") and what an older scenario's documentation lists.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/da_tradurre.h"

namespace scenario {

// X(name, code, meaning): the meaning is the short plain text of the report,
// marked for the tool to show it translated.
#define SCENARIO_CODICI_ERRORE(X)                                                                              \
  X(kErroreLunghezzaOltre, 1, N_("line length above 1000000 m"))                                                   \
  X(kErroreProgressive, 2, N_("a kilometre-post system's start or value is not a multiple of 50"))                 \
  X(kErroreRipetizionePrima, 3, N_("first signal-repetition distance is not a multiple of 50"))                    \
  X(kErroreRipetizioneSeconda, 4, N_("second signal-repetition distance is not a multiple of 50"))                 \
  X(kErroreRipetizioneCodici, 5, N_("signal-repetition entry names neither 4 nor 9 codes"))                        \
  X(kErroreCartelloOccupato, 6, N_("signpost cell is not free"))                                                   \
  X(kErroreAbbattimentoOccupato, 7, N_("abbattimento cell is not free"))                                           \
  X(kErroreStazionePosizione, 8, N_("station position is not a multiple of 50"))                                   \
  X(kErroreStazioneLunghezza, 9, N_("station length is not a multiple of 100"))                                    \
  X(kErroreStazioniTroppe, 10, N_("station rows would reach the signpost rows"))                                   \
  X(kErroreMarcaSegnale, 11, N_("no room for a marker before a signal near a slowdown warning"))                   \
  X(kErroreFinestraOccupata, 12, N_("a whole window before a slowdown start is taken"))                            \
  X(kErroreMarcaRallentamento, 13, N_("no free cell for a marker in or after a slowdown"))                         \
  X(kErroreOltreLeCelle, 15, N_("position beyond the end of the cell array"))                                      \
  X(kErroreSegnaleOccupato, 16, N_("signal cell is not free"))                                                     \
  X(kErroreAvvisoOccupato, 17, N_("slowdown warning cell is not free"))                                            \
  X(kErroreInizioOccupato, 18, N_("slowdown start cell is not free"))                                              \
  X(kErroreFineOccupata, 19, N_("slowdown end cell is not free"))                                                  \
  X(kErrorePreavvisoOccupato, 20, N_("slowdown pre-warning cells are not free"))                                   \
  X(kErroreIndicatoreOccupato, 21, N_("maximum-speed indicator cell is not free"))                                 \
  X(kErroreStazioniVicine, 22, N_("station zone starts less than 350 m after the previous one ends"))              \
  X(kErroreFermataAllOrigine, 24, N_("station stopping cell would lie at or before cell 1"))                       \
  X(kErroreLettura, 25,                                                                                        \
    N_("reading failure (file unreadable, malformed number, value too wide, or file ends inside an entry)"))       \
  X(kErroreTroppiCartelli, 26, N_("more than 80 signposts"))                                                       \
  X(kErroreTroppeMontagne, 27, N_("more than 80 mountain sections"))                                               \
  X(kErroreSenzaLunghezza, 28, N_("no line length entry: no cell array"))                                          \
  X(kErroreLunghezzaNegativa, 29, N_("negative line length"))                                                      \
  X(kErrorePendenzaOltre, 30, N_("gradient entry runs past the last cell"))                                        \
  X(kErroreOggettoLineaFuori, 31, N_("line object outside the cell array"))                                        \
  X(kErroreOggettoTrenoFuori, 32, N_("train object outside the cell array"))                                       \
  X(kErroreSenzaFine, 33, N_("slowdown without an end cell before the last cell"))                                 \
  X(kErroreLineaMancante, 101, N_("line description missing"))                                                     \
  X(kErroreSenzaGenerale, 102, N_("line description has no [generale] section"))                                   \
  X(kErroreCurva, 103, N_("curve key without a curvature digit 1-6, or plan beyond metre 1000000"))                \
  X(kErroreCurvaOltre, 104, N_("curve runs past the end of the plan"))                                             \
  X(kErroreSlotIntero, 1250, N_("reserved slot row 85 intero1 or cell 1 valore_a already in use"))                 \
  X(kErroreSlotCodice, 1251, N_("reserved slot row 85 dato4 or cell 1 valore_b already in use"))

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
