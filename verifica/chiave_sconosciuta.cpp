#include "verifica/chiave_sconosciuta.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/da_tradurre.h"
#include "platform/traduzione.h"
#include "readers/vocabolario.h"
#include "testi/citazione.h"
#include "verifica/distanza_chiavi.h"
#include "verifica/tipi_diagnostica.h"

namespace scenario::tool {
namespace {

// The general section compares its keys with their letter case; the object
// part and the train description ignore it.
void aggiungi(const std::vector<ParolaChiave>& parole, bool maiuscole, std::vector<ChiaveCandidata>* out) {
  for (const ParolaChiave& p : parole) {
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

// The key nearest to a field, remembered: a check reads the same texts again
// at every step of its recovery, and a junk text repeats its fields, so each
// distinct field is measured once. The memory is bounded: past its limit it
// starts again.
std::optional<size_t> vicina_ricordata(std::string_view campo, Sezione sezione,
                                       const std::vector<ChiaveCandidata>& chiavi) {
  constexpr size_t kMassimoRicordate = 1 << 16;
  thread_local std::unordered_map<std::string, std::optional<size_t>> ricordate[2];
  auto& mappa = ricordate[sezione == Sezione::kTreno ? 1 : 0];
  // A field too long to be measured is answered at once: not worth a place.
  if (campo.size() > kCampoMassimoMisurato) return chiave_vicina(campo, chiavi);
  std::string chiave(campo);
  if (const auto it = mappa.find(chiave); it != mappa.end()) return it->second;
  if (mappa.size() >= kMassimoRicordate) mappa.clear();
  const std::optional<size_t> vicina = chiave_vicina(campo, chiavi);
  mappa.emplace(std::move(chiave), vicina);
  return vicina;
}

const std::vector<ChiaveCandidata>& chiavi_di(Sezione sezione) {
  thread_local const std::vector<ChiaveCandidata> chiavi_linea = candidate(Sezione::kLinea);
  thread_local const std::vector<ChiaveCandidata> chiavi_treno = candidate(Sezione::kTreno);
  return sezione == Sezione::kTreno ? chiavi_treno : chiavi_linea;
}

}  // namespace

bool chiave_vicina_a(std::string_view campo, bool di_treno) {
  const Sezione sezione = di_treno ? Sezione::kTreno : Sezione::kLinea;
  return vicina_ricordata(campo, sezione, chiavi_di(sezione)).has_value();
}

Diagnostica chiave_sconosciuta(std::string_view campo, Sezione sezione) {
  const std::vector<ChiaveCandidata>& chiavi = chiavi_di(sezione);
  const std::optional<size_t> vicina = vicina_ricordata(campo, sezione, chiavi);
  Diagnostica d = nuova_diagnostica(vicina ? tipo::kChiaveSconosciuta : tipo::kSenzaChiave);
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
