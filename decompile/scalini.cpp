#include "decompile/scalini.h"

namespace scenario::decompila {

std::vector<Scalino> scalini(const std::vector<Cella>& celle, const std::function<uint8_t(const Cella&)>& campo) {
  std::vector<Scalino> runs;
  const int32_t ultima = static_cast<int32_t>(celle.size()) - 1;
  const int32_t riempite = ultima - 3;  // the tail fill reaches this cell
  for (int32_t i = 0; i <= riempite; ++i) {
    const uint8_t v = campo(celle[static_cast<size_t>(i)]);
    if (runs.empty() || runs.back().valore != v) runs.push_back({i, v});
  }
  if (ultima - 2 >= 0) {
    const uint8_t v = campo(celle[static_cast<size_t>(ultima - 2)]);
    if (v != 0) runs.push_back({ultima - 2, v});
  }
  return runs;
}

}  // namespace scenario::decompila
