// The folder for temporary files: the one TMPDIR names, when it names a folder
// that exists; otherwise the system's own.
#pragma once

#include <string>

namespace scenario {

// TMPDIR when it is set to a folder that exists, or else "/tmp". Never empty:
// an unset, empty or wrong TMPDIR must not send temporary files to the
// working folder or to the root.
std::string cartella_temporanea_di_sistema();

}  // namespace scenario
