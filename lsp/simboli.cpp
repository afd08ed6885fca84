#include "lsp/simboli.h"

#include <optional>
#include <string>

#include "lsp/sezioni.h"
#include "readers/vocabolario.h"

namespace scenario::lsp {
namespace {

using json = tool::Json;

// The protocol's SymbolKind numbers.
constexpr int kSezione = 3;       // Namespace
constexpr int kCurva = 12;        // Function
constexpr int kStazione = 19;     // Object
constexpr int kSegnale = 24;      // Event
constexpr int kRallentamento = 25;  // Operator

json intervallo(const Righe& righe, size_t riga, size_t da, size_t a) {
  const std::string_view r = righe.riga(riga);
  return {{"start", {{"line", riga}, {"character", unita_utf16(r, da)}}},
          {"end", {{"line", riga}, {"character", unita_utf16(r, a)}}}};
}

std::string pulito(std::string_view s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return std::string(s);
}

std::string campo(const std::vector<CampoRiga>& campi, size_t i) { return i < campi.size() ? pulito(campi[i].testo) : ""; }

// The symbol of an entry the outline shows; none for the others.
std::optional<json> simbolo_voce(const Righe& righe, size_t riga, const Voce& v, const std::vector<CampoRiga>& c) {
  std::string nome;
  std::string dettaglio;
  int tipo = 0;
  const std::string posizione = campo(c, 1) + " m";
  if (v.parole.chiave == parole::kStazione.chiave) {
    tipo = kStazione;
    nome = campo(c, 17).empty() ? "stazione" : campo(c, 17);
    dettaglio = posizione + ", " + campo(c, 14) + ":" + campo(c, 15) + ":" + campo(c, 16);
  } else if (v.parole.chiave == parole::kSegnale.chiave) {
    tipo = kSegnale;
    nome = "segnale " + posizione;
  } else if (v.parole.chiave == parole::kRallentamento.chiave) {
    tipo = kRallentamento;
    nome = "rallentamento " + posizione;
    dettaglio = campo(c, 2) + " km/h over " + campo(c, 3) + " m";
  } else if (v.parole.chiave == parole::kCurva.chiave) {
    tipo = kCurva;
    nome = pulito(c[0].testo) + " " + posizione;
    dettaglio = campo(c, 2) + " m long";
  } else {
    return std::nullopt;
  }
  json s = {{"name", nome},
            {"kind", tipo},
            {"range", intervallo(righe, riga, 0, righe.riga(riga).size())},
            {"selectionRange", intervallo(righe, riga, c[0].inizio, c[0].fine)}};
  if (!dettaglio.empty()) s["detail"] = dettaglio;
  return s;
}

}  // namespace

json simboli(const Righe& righe, Descrizione descrizione) {
  json fuori = json::array();
  std::optional<json> sezione;
  size_t ultima_piena = 0;
  const auto chiudi = [&] {
    if (!sezione) return;
    (*sezione)["range"]["end"] = {{"line", ultima_piena}, {"character", unita_utf16(righe.riga(ultima_piena), righe.riga(ultima_piena).size())}};
    fuori.push_back(std::move(*sezione));
    sezione.reset();
  };
  const std::optional<size_t> generale = riga_generale(righe);
  bool oggetti = false;
  for (size_t n = 0; n < righe.quante(); ++n) {
    const std::string_view r = righe.riga(n);
    if (r.empty() || riga_commento(r)) continue;
    const std::vector<CampoRiga> c = campi_riga(r);
    const bool dopo_generale = generale && n > *generale;
    if ((generale && n == *generale) || (dopo_generale && riga_titolo(r))) {
      chiudi();
      oggetti = oggetti || (dopo_generale && descrizione == Descrizione::kLinea);
      sezione = json{{"name", pulito(c[0].testo)},
                     {"kind", kSezione},
                     {"range", intervallo(righe, n, 0, r.size())},
                     {"selectionRange", intervallo(righe, n, c[0].inizio, c[0].fine)},
                     {"children", json::array()}};
      ultima_piena = n;
      continue;
    }
    if (!dopo_generale) continue;
    ultima_piena = n;
    const Parte parte = descrizione == Descrizione::kTreno ? Parte::kTreno : oggetti ? Parte::kOggetti : Parte::kGenerale;
    const Voce* v = voce_di(c[0].testo, parte);
    if (v == nullptr) continue;
    if (std::optional<json> s = simbolo_voce(righe, n, *v, c)) {
      if (sezione) {
        (*sezione)["children"].push_back(std::move(*s));
      } else {
        fuori.push_back(std::move(*s));
      }
    }
  }
  chiudi();
  return fuori;
}

}  // namespace scenario::lsp
