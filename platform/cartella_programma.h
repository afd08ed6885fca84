// The folder that holds the running executable, whatever the working folder.
#pragma once

#include <string>

namespace scenario {

// The folder of the running executable, without a trailing "/" (except for
// the root folder itself); empty when the system cannot tell.
std::string cartella_programma();

}  // namespace scenario
