// The line half of the reading stage: the line description into the element
// table, the cell array and the track plan.
#pragma once

namespace scenario {

struct Compilatore;

// Reads and deletes the line description. Returns true when the train half
// must run: the file was read to its end, or reading stopped at a position
// beyond the cell array (code 15).
bool leggi_descrizione_linea(Compilatore& stato);

}  // namespace scenario
