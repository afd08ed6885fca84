#include "model/testo_km.h"

namespace scenario {

std::string testo_km(int64_t metri) {
  // The magnitude in unsigned arithmetic, so that the lowest value has one.
  const uint64_t assoluti = metri < 0 ? 0 - static_cast<uint64_t>(metri) : static_cast<uint64_t>(metri);
  const std::string resto = std::to_string(assoluti % 1000);
  return std::string("km ") + (metri < 0 ? "-" : "") + std::to_string(assoluti / 1000) + "+" +
         std::string(3 - resto.size(), '0') + resto;
}

}  // namespace scenario
