// The outline of a description: its sections, each holding its stations
// (with position and time), signals, slowdowns and curves, as protocol
// DocumentSymbol objects.
#pragma once

#include <nlohmann/json.hpp>

#include "lsp/righe.h"
#include "lsp/voci.h"

namespace scenario::lsp {

nlohmann::json simboli(const Righe& righe, Descrizione descrizione);

}  // namespace scenario::lsp
