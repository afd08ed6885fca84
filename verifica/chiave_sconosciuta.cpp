#include "verifica/chiave_sconosciuta.h"

#include <optional>
#include <string>
#include <vector>

#include "platform/da_tradurre.h"
#include "platform/traduzione.h"
#include "readers/parole_chiave.h"
#include "testi/citazione.h"
#include "verifica/distanza_chiavi.h"
#include "verifica/tipi_diagnostica.h"

namespace scenario::tool {
namespace {

// The general section compares its keys with their letter case; the object
// part and the train description ignore it.
void aggiungi(const std::vector<ParoleChiave>& parole, bool maiuscole, std::vector<ChiaveCandidata>* out) {
  for (const ParoleChiave& p : parole) {
    ChiaveCandidata c{{p.prima}, maiuscole};
    if (!p.seconda.empty()) c.parole.push_back(p.seconda);
    out->push_back(std::move(c));
  }
}

std::vector<ChiaveCandidata> candidate(Sezione sezione) {
  std::vector<ChiaveCandidata> out;
  if (sezione == Sezione::kTreno) {
    aggiungi(parole_chiave_treno(), false, &out);
  } else {
    aggiungi(parole_chiave_generali(), true, &out);
    aggiungi(parole_chiave_oggetti(), false, &out);
  }
  return out;
}

}  // namespace

Diagnostica chiave_sconosciuta(std::string_view campo, Sezione sezione) {
  const std::vector<ChiaveCandidata> chiavi = candidate(sezione);
  const std::optional<size_t> vicina = chiave_vicina(campo, chiavi);
  Diagnostica d = nuova_diagnostica(vicina ? "unknown-key" : "no-key");
  const std::string visibile = testo_visibile(campo);
  if (!vicina) {
    d.messaggio = componi(traduci("field \"%1\" holds no key word: ignored"), {visibile});
    return d;
  }
  d.messaggio = componi(traduci("field \"%1\" holds no key word: ignored, with the values of its entry"), {visibile});
  d.suggerimento = componi(traduci("did you mean `%1`?"), {testo_visibile(corretto(campo, chiavi[*vicina]))});
  return d;
}

}  // namespace scenario::tool
