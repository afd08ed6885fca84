// Values the compiled files keep faithfully but that no author can have
// meant: a clock reading past its range, a timetable going back, a speed limit
// the cells round or of 0 km/h, a slowdown that slows nothing, a mountain
// section that ends before it begins. Each is a warning at the entry's value.
#pragma once

#include <vector>

#include "model/stato.h"
#include "model/traccia.h"
#include "verifica/diagnostiche.h"

namespace scenario::tool {

std::vector<Diagnostica> valori_senza_senso(const Compilatore& stato, const Traccia& traccia);

}  // namespace scenario::tool
