#include "model/codici_errore.h"

#include <array>

namespace scenario {
namespace {

constexpr std::array<CodiceErrore, 35> kCodici{{
    {1, false, "line length above 1000000 m"},
    {2, false, "a kilometre-post system's start or value is not a multiple of 50"},
    {3, false, "first signal-repetition distance is not a multiple of 50"},
    {4, false, "second signal-repetition distance is not a multiple of 50"},
    {5, false, "signal-repetition entry names neither 4 nor 9 codes"},
    {6, true, "signpost cell is not free"},
    {7, true, "abbattimento cell is not free"},
    {8, true, "station position is not a multiple of 50"},
    {9, true, "station length is not a multiple of 100"},
    {10, false, "station rows would reach the signpost rows"},
    {11, true, "no room for a marker before a signal near a slowdown warning"},
    {12, true, "a whole window before a slowdown start is taken"},
    {13, true, "no free cell for a marker in or after a slowdown"},
    {15, true, "position beyond the end of the cell array"},
    {16, true, "signal cell is not free"},
    {17, true, "slowdown warning cell is not free"},
    {18, true, "slowdown start cell is not free"},
    {19, true, "slowdown end cell is not free"},
    {20, true, "slowdown pre-warning cells are not free"},
    {21, true, "maximum-speed indicator cell is not free"},
    {22, true, "station zone starts less than 350 m after the previous one ends"},
    {24, false, "station stopping cell would lie at or before cell 1"},
    {25, false, "reading failure (file unreadable, malformed number, value too wide, or file ends inside an entry)"},
    {26, true, "more than 80 signposts"},
    {27, true, "more than 80 mountain sections"},
    {28, false, "no line length entry: no cell array"},
    {29, false, "negative line length"},
    {30, true, "gradient entry runs past the last cell"},
    {31, true, "line object outside the cell array"},
    {32, true, "train object outside the cell array"},
    {33, true, "slowdown without an end cell before the last cell"},
    {101, false, "line description missing"},
    {102, false, "line description has no [generale] section"},
    {103, false, "curve key without a curvature digit 1-6, or plan beyond metre 1000000"},
    {104, true, "curve runs past the end of the plan"},
}};

}  // namespace

const CodiceErrore* cerca_codice_errore(int32_t codice) {
  for (const CodiceErrore& voce : kCodici) {
    if (voce.codice == codice) return &voce;
  }
  return nullptr;
}

std::string_view descrizione_errore(int32_t codice) {
  if (codice == kErroreSlotIntero) return "reserved slot row 85 intero1 or cell 1 valore_a already in use";
  if (codice == kErroreSlotCodice) return "reserved slot row 85 dato4 or cell 1 valore_b already in use";
  const CodiceErrore* voce = cerca_codice_errore(codice);
  return voce != nullptr ? voce->testo : "unknown code";
}

}  // namespace scenario
