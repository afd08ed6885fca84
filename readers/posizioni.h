// Position checks shared by both description readers.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace scenario {

struct Compilatore;

// Whether an entry at `posizione` lies beyond the cell array:
// (posizione + margine) / 50 above ultima_cella, in real numbers, so that
// neither rounding nor overflow can hide it.
bool oltre_le_celle(const Compilatore& stato, int32_t posizione, int32_t margine = 100);

// Entries are meant to come in rising order of position; one that goes back
// changes nothing in the output but usually means a typing slip, so the author
// gets a warning. `precedente` is the position of the last entry of that kind;
// `modello` is the warning, marked with N_, with %1 for the position and %2
// for the previous one: a whole sentence per kind, for the tool to translate.
void controlla_ordine(Compilatore& stato, std::optional<int32_t>& precedente, int32_t posizione,
                      std::string_view modello);

}  // namespace scenario
