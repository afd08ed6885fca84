// Loading and deleting a description text. A description is consumed: the
// reader deletes it on every path, once it has read what it needs.
#pragma once

#include <string>

namespace scenario {

struct Compilatore;

// Reads the whole text at `percorso` into `testo`; false when it cannot be
// opened or read.
bool carica_descrizione(const std::string& percorso, std::string* testo);

// Deletes the text; a failure to delete is kept in errore_file_system (the
// run then ends as a file-system failure).
void elimina_descrizione(Compilatore& stato, const std::string& percorso);

}  // namespace scenario
