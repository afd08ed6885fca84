// The train half of the reading stage: the train description into the element
// table and the cells, continuing from the state the line half left.
#pragma once

#include <string>
#include <string_view>

namespace scenario {

struct Compilatore;
class Riprese;
struct PuntoLettura;

// Reads the train description `testo`; `nome` names it in faults and
// warnings. Returns false after a reading failure (kErroreLettura): one met
// while reading ends it without the closing steps; the speed fill of the
// closing steps may meet one too.
// With `riprese`, the reading hands it points to be taken up again; with `da`,
// a point of this half, it starts there.
bool leggi_testo_treno(Compilatore& stato, const std::string& nome, std::string_view testo, Riprese* riprese = nullptr,
                       const PuntoLettura* da = nullptr);

}  // namespace scenario
