#include "lsp/celle_oggetti.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "lsp/sezioni.h"
#include "lsp/significati.h"
#include "readers/vocabolario.h"

namespace scenario::lsp {
namespace {

constexpr std::array<std::string_view, 5> kInUnaCella = {parole::kSegnale.chiave, parole::kRallentamento.chiave,
                                                         parole::kAbbattimento.chiave, parole::kCartello.chiave,
                                                         parole::kIndicatori.chiave};

std::optional<int64_t> numero(const std::vector<CampoRiga>& campi, size_t i) {
  return i < campi.size() ? numero_campo(campi[i].testo) : std::nullopt;
}

// A station's stop zone by its type, as the train reader builds it: the
// zone's start and end in metres; its stopping cell is the last whole cell
// of the zone.
std::optional<OggettoInCelle> stazione(size_t riga, const std::vector<CampoRiga>& c) {
  const std::optional<int64_t> p = numero(c, 1);
  if (!p) return std::nullopt;
  const int64_t tipo = numero(c, 2).value_or(0);
  const int64_t lunghezza = numero(c, 3).value_or(0);
  int64_t inizio = *p - lunghezza / 2;
  int64_t fine = *p + lunghezza / 2 + (numero(c, 6).value_or(0) != 0 ? 50 : 0);
  if (tipo == 5 || tipo == 6) {
    inizio = *p - lunghezza;
    fine = *p + 150;
  } else if (tipo == 7 || tipo == 8) {
    inizio = *p - lunghezza;
    fine = *p + lunghezza;
  }
  const int64_t fermata = fine / 50 - 1;
  return OggettoInCelle{riga, std::min(inizio / 50, fermata), fermata};
}

}  // namespace

std::vector<OggettoInCelle> oggetti_in_celle(const Righe& righe, Descrizione descrizione) {
  std::vector<OggettoInCelle> out;
  const std::optional<size_t> generale = riga_generale(righe);
  if (!generale) return out;
  for (size_t n = *generale + 1; n < righe.quante(); ++n) {
    const std::string_view r = righe.riga(n);
    if (r.empty() || riga_commento(r) || riga_titolo(r)) continue;
    const std::optional<Parte> parte = parte_alla_riga(righe, n, descrizione);
    if (!parte) continue;
    const std::vector<CampoRiga> c = campi_riga(r);
    const Voce* v = voce_di(c[0].testo, *parte);
    if (v == nullptr) continue;
    if (v->parole.chiave == parole::kStazione.chiave) {
      if (std::optional<OggettoInCelle> s = stazione(n, c)) out.push_back(*s);
    } else if (std::find(kInUnaCella.begin(), kInUnaCella.end(), v->parole.chiave) != kInUnaCella.end()) {
      if (const std::optional<int64_t> p = numero(c, 1)) out.push_back({n, cella_di(*p), cella_di(*p)});
    }
  }
  return out;
}

}  // namespace scenario::lsp
