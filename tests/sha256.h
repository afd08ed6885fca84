// SHA-256 of a byte string, as lower-case hex: the pin test compares the
// program's files with digests worked out independently.
#pragma once

#include <string>
#include <string_view>

namespace scenario::test {

std::string sha256_hex(std::string_view dati);

}  // namespace scenario::test
