// A timetable the train can keep: between two consecutive timed stops, the
// least running time at the speed limits the cells hold (each cell run at its
// own limit, with no time to speed up, brake or stand: a lower bound), and a
// warning where the timetable asks for less, or where its times go back.
#pragma once

#include <vector>

#include "model/stato.h"
#include "model/traccia.h"
#include "verifica/diagnostiche.h"

namespace scenario::tool {

std::vector<Diagnostica> controlla_orario(const Compilatore& stato, const Traccia& traccia);

}  // namespace scenario::tool
