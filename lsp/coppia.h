// Which description a file is and which file it is checked with. A line
// description NAME_linea.txt and a train description NAME_NUM-.txt make a
// pair by their names; the partner of an open document is looked for among
// the open documents first, then in the document's folder. A workspace file
// (lsp/coppie_dichiarate.h) that names the file comes before its name.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "lsp/voci.h"

namespace scenario::lsp {

// By the workspace file, else by the file's name; none for a name of neither
// shape.
std::optional<Descrizione> descrizione_da_nome(const std::string& percorso);

// The partner's path; empty when none is open and none is in the folder.
// For a line description, an open train description of the same NAME comes
// before one on disk, and of several the first in order of name.
std::string compagno(const std::string& percorso, const std::vector<std::string>& aperti);

// file:///a/b%20c.txt <-> /a/b c.txt. A URI of another scheme gives an empty path.
std::string percorso_da_uri(const std::string& uri);
std::string uri_da_percorso(const std::string& percorso);

}  // namespace scenario::lsp
