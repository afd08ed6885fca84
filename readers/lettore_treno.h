// The train half of the reading stage: the train description into the element
// table and the cells, continuing from the state the line half left.
#pragma once

namespace scenario {

struct Compilatore;

// Reads and deletes the train description.
void leggi_descrizione_treno(Compilatore& stato);

}  // namespace scenario
