// The outline of a description: its sections, each holding its stations
// (with position and time), signals, slowdowns and curves, as protocol
// DocumentSymbol objects.
#pragma once

#include "lsp/righe.h"
#include "lsp/voci.h"
#include "testi/json.h"

namespace scenario::lsp {

tool::Json simboli(const Righe& righe, Descrizione descrizione);

}  // namespace scenario::lsp
