#include "platform/da_tradurre.h"

namespace scenario {

std::string componi(std::string_view modello, const std::vector<std::string>& valori) {
  std::string out;
  out.reserve(modello.size());
  for (size_t i = 0; i < modello.size(); ++i) {
    const char c = modello[i];
    if (c == '%' && i + 1 < modello.size() && modello[i + 1] >= '1' && modello[i + 1] <= '9') {
      const auto n = static_cast<size_t>(modello[i + 1] - '1');
      if (n < valori.size()) {
        out += valori[n];
        ++i;
        continue;
      }
    }
    out.push_back(c);
  }
  return out;
}

}  // namespace scenario
