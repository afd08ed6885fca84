#include "tool/distanza_chiavi.h"

#include <algorithm>
#include <limits>

#include "model/codici_gara.h"

namespace scenario::tool {
namespace {

bool uguali(char a, char b, bool maiuscole) {
  if (maiuscole) return a == b;
  return minuscola(static_cast<unsigned char>(a)) == minuscola(static_cast<unsigned char>(b));
}

}  // namespace

size_t distanza_in(std::string_view campo, std::string_view parola, bool maiuscole) {
  // d[i][j]: edits that turn a stretch of campo ending at j into the first i
  // letters of parola. A stretch may start anywhere, so row 0 is all zeros,
  // and it may end anywhere, so the answer is the smallest of the last row.
  const size_t n = campo.size();
  std::vector<std::vector<size_t>> d(parola.size() + 1, std::vector<size_t>(n + 1, 0));
  for (size_t i = 1; i <= parola.size(); ++i) {
    d[i][0] = i;
    for (size_t j = 1; j <= n; ++j) {
      const size_t sostituzione = d[i - 1][j - 1] + (uguali(parola[i - 1], campo[j - 1], maiuscole) ? 0 : 1);
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, sostituzione});
      if (i > 1 && j > 1 && uguali(parola[i - 1], campo[j - 2], maiuscole) &&
          uguali(parola[i - 2], campo[j - 1], maiuscole)) {
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
      }
    }
  }
  return *std::min_element(d[parola.size()].begin(), d[parola.size()].end());
}

size_t distanza_ammessa(std::string_view parola) { return parola.size() <= 6 ? 1 : 2; }

std::optional<size_t> chiave_vicina(std::string_view campo, std::span<const ChiaveCandidata> candidate) {
  std::optional<size_t> scelta;
  size_t migliore = std::numeric_limits<size_t>::max();
  for (size_t k = 0; k < candidate.size(); ++k) {
    size_t totale = 0;
    bool vicina = true;
    for (std::string_view parola : candidate[k].parole) {
      const size_t d = distanza_in(campo, parola, candidate[k].maiuscole);
      if (d > distanza_ammessa(parola)) vicina = false;
      totale += d;
    }
    if (vicina && totale > 0 && totale < migliore) {
      migliore = totale;
      scelta = k;
    }
  }
  return scelta;
}

}  // namespace scenario::tool
