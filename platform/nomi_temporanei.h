// What the two implementations of whole-file replacement share: the names of
// their temporary files and the test seams that make a write or a rename fail.
#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace scenario {

// The characters that end a folder's name in a path on this system.
#ifdef _WIN32
constexpr std::string_view kSeparatoriCartella = "/\\";
#else
constexpr std::string_view kSeparatoriCartella = "/";
#endif

// Splits a path into its folder, with its final separator ("." when the path
// has none), and its file name. `separatori` lists the characters that end a
// folder's name on this system.
std::pair<std::string, std::string> dividi_percorso(const std::string& percorso, std::string_view separatori);

// Temporary files are hidden, named after their target and marked as ours:
// ".<name>.scenario-tmp-XXXXXX", the X being six letters or digits (<name>
// shortened where the whole would be too long a name).
constexpr std::string_view kSuffissoTemporaneo = ".scenario-tmp-";
constexpr size_t kCaratteriCasuali = 6;

// The longest file name, in bytes, that the file systems we write on take
// (255 on Linux's; 255 UTF-16 units, never more than as many UTF-8 bytes,
// on Windows').
constexpr size_t kMassimoNomeFile = 255;

// The part of the target's name that its temporary files carry: the whole
// name, or as much of it as leaves room for the rest of the temporary name,
// so that a target whose own name fits never fails for its temporary's.
std::string_view nome_nel_temporaneo(std::string_view nome);

// The name of a temporary file for the target `nome`, with the six random
// characters still "XXXXXX".
std::string modello_temporaneo(std::string_view nome);

// `kCaratteriCasuali` random letters and digits, for a temporary name made
// without mkstemp.
std::string caratteri_casuali();

// Whether `voce` is the name of a temporary file made for the target `nome`.
bool temporaneo_di(std::string_view voce, std::string_view nome);

// Whether the test seam makes the volume refuse hard links.
bool collegamenti_rifiutati_simulati();

// Whether the test seam fails the rename of the finished `percorso`.
bool guasto_rinomina_simulato(const std::string& percorso);

}  // namespace scenario
