// The page of a live view: the author's pair read from its files and
// compiled in memory by the checker, the route drawn as the view command
// draws compiled files, and the pair's diagnostics beside it. When the pair
// yields no route (a fault before the cells, a file that cannot be read), the
// page keeps the last route that compiled and says so.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "disegno/percorso.h"
#include "verifica/verifica.h"

namespace scenario::tool {

struct VistaViva {
  RichiestaVerifica richiesta;  // the files' paths, names and switches; the texts are read at each page
  // The editor's link, "{file}" and "{line}" replaced by the absolute path
  // and the line; empty: places shown as text to copy.
  std::string editor;
  std::optional<Percorso> ultimo;  // the last route that compiled

  // The page of version `versione`, read and compiled now.
  std::string pagina(uint64_t versione);
};

}  // namespace scenario::tool
