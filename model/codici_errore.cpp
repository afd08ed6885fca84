#include "model/codici_errore.h"

#include <array>

#include "model/da_tradurre.h"

namespace scenario {
namespace {

constexpr std::array<CodiceErrore, 35> kCodici{{
    {1, false, N_("line length above 1000000 m")},
    {2, false, N_("a kilometre-post system's start or value is not a multiple of 50")},
    {3, false, N_("first signal-repetition distance is not a multiple of 50")},
    {4, false, N_("second signal-repetition distance is not a multiple of 50")},
    {5, false, N_("signal-repetition entry names neither 4 nor 9 codes")},
    {6, true, N_("signpost cell is not free")},
    {7, true, N_("abbattimento cell is not free")},
    {8, true, N_("station position is not a multiple of 50")},
    {9, true, N_("station length is not a multiple of 100")},
    {10, false, N_("station rows would reach the signpost rows")},
    {11, true, N_("no room for a marker before a signal near a slowdown warning")},
    {12, true, N_("a whole window before a slowdown start is taken")},
    {13, true, N_("no free cell for a marker in or after a slowdown")},
    {15, true, N_("position beyond the end of the cell array")},
    {16, true, N_("signal cell is not free")},
    {17, true, N_("slowdown warning cell is not free")},
    {18, true, N_("slowdown start cell is not free")},
    {19, true, N_("slowdown end cell is not free")},
    {20, true, N_("slowdown pre-warning cells are not free")},
    {21, true, N_("maximum-speed indicator cell is not free")},
    {22, true, N_("station zone starts less than 350 m after the previous one ends")},
    {24, false, N_("station stopping cell would lie at or before cell 1")},
    {25, false,
     N_("reading failure (file unreadable, malformed number, value too wide, or file ends inside an entry)")},
    {26, true, N_("more than 80 signposts")},
    {27, true, N_("more than 80 mountain sections")},
    {28, false, N_("no line length entry: no cell array")},
    {29, false, N_("negative line length")},
    {30, true, N_("gradient entry runs past the last cell")},
    {31, true, N_("line object outside the cell array")},
    {32, true, N_("train object outside the cell array")},
    {33, true, N_("slowdown without an end cell before the last cell")},
    {101, false, N_("line description missing")},
    {102, false, N_("line description has no [generale] section")},
    {103, false, N_("curve key without a curvature digit 1-6, or plan beyond metre 1000000")},
    {104, true, N_("curve runs past the end of the plan")},
}};

}  // namespace

const CodiceErrore* cerca_codice_errore(int32_t codice) {
  for (const CodiceErrore& voce : kCodici) {
    if (voce.codice == codice) return &voce;
  }
  return nullptr;
}

std::string_view descrizione_errore(int32_t codice) {
  if (codice == kErroreSlotIntero) return N_("reserved slot row 85 intero1 or cell 1 valore_a already in use");
  if (codice == kErroreSlotCodice) return N_("reserved slot row 85 dato4 or cell 1 valore_b already in use");
  const CodiceErrore* voce = cerca_codice_errore(codice);
  return voce != nullptr ? voce->testo : N_("unknown code");
}

}  // namespace scenario
