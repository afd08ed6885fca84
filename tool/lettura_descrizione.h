// Reading an author's description for compile and check. A description is a
// text of a few kilobytes; a file far beyond any real one (a wrong file, or a
// generated one) is refused before it is read, so that neither the reading nor
// the compile's diagnostics can take the machine's memory.
#pragma once

#include <cstdint>
#include <string>

namespace scenario::tool {

// 64 MiB: thousands of times the longest real description.
constexpr uint64_t kDescrizioneMassima = uint64_t{64} << 20;

// The whole text of `percorso` in `testo`: 0. An unreadable file:
// kUscitaFileSystem, a larger one: kUscitaDatiNonValidi; `errore` says which
// file and why.
int leggi_descrizione(const std::string& percorso, std::string* testo, std::string* errore);

}  // namespace scenario::tool
