// Where each object the viewer draws was written in the author's pair: for
// every station, signal, slowdown, signpost, indicator, curve, stretch of
// gradient, speed limit and mountain section, and kilometre-post system of a
// route, the description and line of the entry behind it, so that a click on
// the object opens the author's editor there.
#pragma once

#include <string>

#include "disegno/percorso.h"
#include "model/traccia.h"
#include "testi/json.h"

namespace scenario::tool {

// The places as JSON for the live page: {"stazioni": [[f, line], ...], ...},
// a list per kind in the route's order, f being 0 for the entry of the line
// description `linea` and 1 for that of the train description, 0 in place of
// the pair where no entry is found. `traccia` is the record of a compile of
// the pair that drew `p`.
Json json_sorgenti(const Traccia& traccia, const Percorso& p, const std::string& linea);

}  // namespace scenario::tool
