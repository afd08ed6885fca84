#include "verifica/distanza_chiavi.h"

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

TrattoVicino tratto_vicino(std::string_view campo, std::string_view parola, bool maiuscole) {
  // d[i][j]: edits that turn a stretch of campo ending at j into the first i
  // letters of parola, and inizio[i][j] where that stretch begins. A stretch
  // may start anywhere, so row 0 costs nothing; it may end anywhere, so the
  // answer is the cheapest end of the last row (the furthest on a tie).
  // The two tables are kept from one call to the next: a check measures
  // every unknown field against every key word, and would otherwise spend
  // its time allocating them.
  const size_t n = campo.size();
  const size_t m = parola.size();
  const size_t colonne = n + 1;
  thread_local std::vector<size_t> tabella_d;
  thread_local std::vector<size_t> tabella_inizio;
  tabella_d.assign((m + 1) * colonne, 0);
  tabella_inizio.assign((m + 1) * colonne, 0);
  auto d = [&](size_t i, size_t j) -> size_t& { return tabella_d[i * colonne + j]; };
  auto inizio = [&](size_t i, size_t j) -> size_t& { return tabella_inizio[i * colonne + j]; };
  for (size_t j = 0; j <= n; ++j) inizio(0, j) = j;
  for (size_t i = 1; i <= m; ++i) {
    d(i, 0) = i;
    for (size_t j = 1; j <= n; ++j) {
      size_t costo = d(i - 1, j - 1) + (uguali(parola[i - 1], campo[j - 1], maiuscole) ? 0 : 1);
      size_t da = inizio(i - 1, j - 1);
      if (d(i - 1, j) + 1 < costo) costo = d(i - 1, j) + 1, da = inizio(i - 1, j);
      if (d(i, j - 1) + 1 < costo) costo = d(i, j - 1) + 1, da = inizio(i, j - 1);
      if (i > 1 && j > 1 && uguali(parola[i - 1], campo[j - 2], maiuscole) &&
          uguali(parola[i - 2], campo[j - 1], maiuscole) && d(i - 2, j - 2) + 1 < costo) {
        costo = d(i - 2, j - 2) + 1, da = inizio(i - 2, j - 2);
      }
      d(i, j) = costo;
      inizio(i, j) = da;
    }
  }
  TrattoVicino migliore{d(m, 0), inizio(m, 0), 0};
  for (size_t j = 1; j <= n; ++j) {
    if (d(m, j) <= migliore.distanza) migliore = {d(m, j), inizio(m, j), j};
  }
  return migliore;
}

size_t distanza_in(std::string_view campo, std::string_view parola, bool maiuscole) {
  return tratto_vicino(campo, parola, maiuscole).distanza;
}

size_t distanza_ammessa(std::string_view parola) { return parola.size() <= 6 ? 1 : 2; }

std::optional<size_t> chiave_vicina(std::string_view campo, std::span<const ChiaveCandidata> candidate) {
  // The measure costs the field's length times the word's, in time and
  // memory, for every word of every candidate: a field far longer than any
  // key is no typo of one, and is not measured at all.
  if (campo.size() > kCampoMassimoMisurato) return std::nullopt;
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

std::string corretto(std::string_view campo, const ChiaveCandidata& chiave) {
  // A key tried without letter case is suggested in small letters, as keys are written.
  std::string testo(campo);
  if (!chiave.maiuscole) {
    for (char& c : testo) c = static_cast<char>(minuscola(static_cast<unsigned char>(c)));
  }
  for (std::string_view parola : chiave.parole) {
    const TrattoVicino t = tratto_vicino(testo, parola, chiave.maiuscole);
    if (t.distanza > 0) testo.replace(t.inizio, t.fine - t.inizio, parola);
  }
  return testo;
}

}  // namespace scenario::tool
