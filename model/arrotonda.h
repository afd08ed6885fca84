// Conversions from a real number to a whole number round half to even.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace scenario {

// Rounds to the nearest whole number, a half going to the even neighbour
// (62.5 -> 62, 63.5 -> 64). Values outside the 64-bit range saturate.
inline int64_t arrotonda(double valore) {
  if (std::isnan(valore)) return 0;
  if (valore >= 9.2e18) return std::numeric_limits<int64_t>::max();
  if (valore <= -9.2e18) return std::numeric_limits<int64_t>::min();
  double intera = std::floor(valore);
  double resto = valore - intera;
  if (resto > 0.5 || (resto == 0.5 && std::fmod(intera, 2.0) != 0.0)) intera += 1.0;
  return static_cast<int64_t>(intera);
}

}  // namespace scenario
