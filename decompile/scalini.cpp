#include "decompile/scalini.h"

#include <algorithm>

namespace scenario::decompila {

std::vector<Scalino> scalini(const std::vector<Cella>& celle, const std::function<uint8_t(const Cella&)>& campo) {
  std::vector<Scalino> runs;
  const int32_t ultima = static_cast<int32_t>(celle.size()) - 1;
  const int32_t riempite = ultima - 3;  // the tail fill reaches this cell
  for (int32_t i = 0; i <= riempite; ++i) {
    const uint8_t v = campo(celle[static_cast<size_t>(i)]);
    if (runs.empty() || runs.back().valore != v) runs.push_back({i, v});
  }
  // The last three cells are written only by entries at the position of the
  // first of them: each such entry writes one cell more and the tail fill
  // one after the last, so cell ultima - 2 + i holds the value of the i-th.
  int32_t ultima_scritta = -1;
  for (int32_t i = std::max(0, ultima - 2); i <= ultima; ++i) {
    if (campo(celle[static_cast<size_t>(i)]) != 0) ultima_scritta = i;
  }
  for (int32_t i = std::max(0, ultima - 2); i <= ultima_scritta; ++i) {
    runs.push_back({ultima - 2, campo(celle[static_cast<size_t>(i)])});
  }
  return runs;
}

}  // namespace scenario::decompila
