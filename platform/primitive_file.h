// The small operations on names in a folder that the replacement of a set of
// files is built from, one implementation per system.
#pragma once

#include <string>

#include "platform/status.h"

namespace scenario {

enum class TipoVoce { assente, file, cartella, collegamento, altro };

// What stands at `percorso`, without following a symbolic link.
TipoVoce tipo_voce(const std::string& percorso);

// Gives the file at `bersaglio` a second name, a fresh temporary name beside
// it (one that the clean-up of leftovers recognises), stored in `*copia`.
// The file itself is not copied: both names are the same file. Where the
// volume has no hard links (FAT, exFAT, some network shares), the second
// name holds a copy of the file's bytes instead.
Status secondo_nome(const std::string& bersaglio, std::string* copia);

// Puts the file `da` in place of `a` in one step, replacing `a` when it
// exists: `a` is never missing in between.
bool rinomina_sopra(const std::string& da, const std::string& a);

// Removes the name `percorso`; a missing name is no failure.
void rimuovi_nome(const std::string& percorso);

// Makes the names in the folder of `percorso` (renames, new and removed
// names) durable: after it returns, a power loss keeps them. A volume that
// cannot do it (some network and virtual file systems refuse) is left to
// write them when it does; the names are in place either way.
void sincronizza_cartella_di(const std::string& percorso);

}  // namespace scenario
