// The reading stage: the line description, then the train description, into
// the route model. Each text is deleted once read, on every path.
#pragma once

namespace scenario {

struct Compilatore;

void memorizza_dati(Compilatore& stato);

}  // namespace scenario
