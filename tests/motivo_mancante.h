// The system's own reason for a file that does not exist, as messages quote
// it: "No such file or directory" on Linux, the text Windows gives for a file
// not found there.
#pragma once

#include <string>

namespace scenario::test {

std::string motivo_file_mancante();

}  // namespace scenario::test
