// The interactive viewer of a compiled scenario: one HTML page that holds its
// script, its styles and the route's data, and loads nothing else, so that it
// works from a file on any machine. The plan and the profile are linked:
// zoom and pan in either moves both, a cursor in one shows the same place in
// the other, and every object tells its details on hover.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "disegno/percorso.h"
#include "model/modello.h"
#include "testi/json.h"

namespace scenario::tool {

std::string pagina_vista(const Elementi& elementi, const std::vector<Cella>& celle, const PuntiTracciato* tracciato);
std::string pagina_vista(const Percorso& percorso);
// The page of a live view: `vivo` is a JSON object that the live part of the
// page reads (disegno/vivo.js): the version, the editor's link pattern, the
// files' absolute paths, a line of state and the diagnostics of the pair. A
// page without `vivo` (null) is a still drawing.
std::string pagina_vista(const Percorso& percorso, const Json& vivo);

// The route's data as the page's script reads it (a JSON object).
std::string json_percorso(const Percorso& percorso);

}  // namespace scenario::tool
