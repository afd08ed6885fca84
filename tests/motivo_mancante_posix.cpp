#include <cerrno>
#include <cstring>

#include "tests/motivo_mancante.h"

namespace scenario::test {

std::string motivo_file_mancante() { return std::strerror(ENOENT); }

}  // namespace scenario::test
