// The line half of the reading stage: the line description into the element
// table, the cell array and the track plan.
#pragma once

#include <string>
#include <string_view>

namespace scenario {

struct Compilatore;
class Riprese;
struct PuntoLettura;

// Reads the line description `testo`; `nome` names it in faults and warnings.
// Returns true when the train half must run: the text was read to its end, or
// reading stopped at a position beyond the cell array (kErroreOltreLeCelle). The element
// table's identity rows are expected set (Compilatore::azzera).
// With `riprese`, the reading hands it points to be taken up again; with `da`,
// a point of this half, it starts there.
bool leggi_testo_linea(Compilatore& stato, const std::string& nome, std::string_view testo, Riprese* riprese = nullptr,
                       const PuntoLettura* da = nullptr);

}  // namespace scenario
