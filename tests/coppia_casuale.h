// Random line and train descriptions that compile cleanly, for property tests:
// every kind of entry, objects on free cells, stations and signals in order of
// position, as an author writes them. The same seed gives the same pair.
#pragma once

#include <cstdint>
#include <string>

namespace scenario::test {

struct CoppiaCasuale {
  std::string linea;
  std::string treno;
};

CoppiaCasuale coppia_casuale(uint64_t seme);

}  // namespace scenario::test
