// Folders: made along a path, removed when empty, listed, and asked whether
// anything stands at a path.
#pragma once

#include <string>
#include <vector>

#include "platform/status.h"

namespace scenario {

// Makes each missing folder of `percorso`, outermost first, and appends to
// `fatte` the ones it made (a folder already there is no failure). On a
// failure the folders made so far are in `fatte`, for the caller to remove.
Status crea_cartelle(const std::string& percorso, std::vector<std::string>* fatte);

// Removes the folder when it is empty; otherwise, or on any failure, leaves it.
void rimuovi_cartella_vuota(const std::string& percorso);

// The names (without the folder) of the regular files in `cartella`, in the
// system's order.
Status file_in_cartella(const std::string& cartella, std::vector<std::string>* nomi);

// False only when the system says that nothing stands at `percorso`; a file,
// a folder, or a path that cannot be looked at (no permission) is true, so
// that a caller about to refuse or to read goes on to the real failure.
bool qualcosa_a(const std::string& percorso);

}  // namespace scenario
