#include "lsp/significati.h"

#include <charconv>
#include <cstdio>

#include "lsp/sezioni.h"

namespace scenario::lsp {
namespace {

// a / b to the nearest whole number, a half to the even neighbour.
int64_t dividi_pari(int64_t a, int64_t b) {
  int64_t q = a / b;
  int64_t r = a % b;
  if (r < 0) {
    r += b;
    --q;
  }
  if (2 * r > b || (2 * r == b && (q & 1) != 0)) ++q;
  return q;
}

std::string metri(int64_t m) { return std::to_string(m) + " m"; }

std::string spiega_chiave(const Voce& v) {
  std::string testo = "**" + std::string(v.parole.chiave) + "**";
  if (!v.parole.campi.empty()) testo += " — " + elenco_campi(v);
  const std::string_view guida = entrata_guida(v);
  if (!guida.empty()) testo += "\n\n---\n\n" + std::string(guida);
  return testo;
}

std::string spiega_orario(const std::vector<CampoRiga>& campi, size_t primo) {
  int64_t t[3] = {0, 0, 0};
  for (size_t i = 0; i < 3; ++i) {
    if (primo + i < campi.size()) t[i] = numero_campo(campi[primo + i].testo).value_or(0);
  }
  const int64_t secondi = (t[0] * 60 + t[1]) * 60 + t[2];
  char orologio[64];
  std::snprintf(orologio, sizeof orologio, "%02lld:%02lld:%02lld", static_cast<long long>(t[0]),
                static_cast<long long>(t[1]), static_cast<long long>(t[2]));
  return "clock " + std::string(orologio) + ", stored as " + std::to_string(secondi) + " s after midnight";
}

std::string spiega_valore(const Voce& v, const std::vector<CampoRiga>& campi, size_t indice,
                          const std::vector<Progressiva>& sistemi) {
  const Campo& c = v.parole.campi[indice - 1];
  std::string testo = "`" + std::string(v.parole.chiave) + "` — **" + std::string(c.nome) + "**";
  if (!c.unita.empty()) testo += " (" + std::string(c.unita) + ")";
  const std::optional<int64_t> n = numero_campo(campi[indice].testo);
  switch (c.senso) {
    case Senso::kPosizione:
      if (n) {
        const int64_t cella = cella_di(*n);
        testo += "\n\n" + metri(*n) + " from the start of the line: cell " + std::to_string(cella) + " (" +
                 metri(cella * 50) + " to " + metri(cella * 50 + 50) + ")";
        if (const std::optional<std::string> km = chilometrica(sistemi, *n)) testo += ", kilometre post " + *km;
      }
      break;
    case Senso::kLunghezza:
      if (n) testo += "\n\n" + metri(*n) + ", " + std::to_string(dividi_pari(*n, 50)) + " cells of 50 m";
      break;
    case Senso::kVelocita:
      if (n) {
        const int64_t passi = dividi_pari(*n, 5);
        testo += "\n\n" + std::to_string(*n) + " km/h, stored as " + std::to_string(passi) + " (steps of 5 km/h)";
        if (passi < 0 || passi > 255) testo += ": outside 0 to 255, not storable";
      }
      break;
    case Senso::kOre:
      testo += "\n\n" + spiega_orario(campi, indice);
      break;
    case Senso::kMinuti:
      testo += "\n\n" + spiega_orario(campi, indice - 1);
      break;
    case Senso::kSecondi:
      testo += "\n\n" + spiega_orario(campi, indice - 2);
      break;
    case Senso::kTesto:
    case Senso::kAltro:
      break;
  }
  return testo;
}

}  // namespace

std::optional<int64_t> numero_campo(std::string_view campo) {
  while (!campo.empty() && (campo.back() == ' ' || campo.back() == '\t')) campo.remove_suffix(1);
  int64_t n = 0;
  const auto [fine, errore] = std::from_chars(campo.data(), campo.data() + campo.size(), n);
  if (errore != std::errc() || fine != campo.data() + campo.size()) return std::nullopt;
  return n;
}

int64_t cella_di(int64_t posizione) { return dividi_pari(posizione, 50); }

std::vector<Progressiva> progressive(const Righe& linea) {
  std::vector<Progressiva> out;
  // Only the general section holds them: from "[generale]" to the next heading.
  const std::optional<size_t> generale = riga_generale(linea);
  if (!generale) return out;
  for (size_t n = *generale + 1; n < linea.quante(); ++n) {
    const std::string_view riga = linea.riga(n);
    if (riga_commento(riga)) continue;
    if (riga_titolo(riga)) break;
    const std::vector<CampoRiga> campi = campi_riga(riga);
    if (campi.size() < 4 || campi[0].testo.find("progressiva") == std::string_view::npos) continue;
    out.push_back({numero_campo(campi[1].testo).value_or(0), numero_campo(campi[2].testo).value_or(0),
                   numero_campo(campi[3].testo).value_or(0) != 0});
  }
  return out;
}

std::optional<std::string> chilometrica(const std::vector<Progressiva>& sistemi, int64_t posizione) {
  const Progressiva* scelto = nullptr;
  for (const Progressiva& s : sistemi) {
    if (s.inizio <= posizione && (scelto == nullptr || s.inizio > scelto->inizio)) scelto = &s;
  }
  if (scelto == nullptr) return std::nullopt;
  const int64_t distanza = posizione - scelto->inizio;
  const int64_t valore = scelto->a_scendere ? scelto->valore - distanza : scelto->valore + distanza;
  const int64_t assoluto = valore < 0 ? -valore : valore;
  char testo[64];
  std::snprintf(testo, sizeof testo, "%skm %lld+%03lld", valore < 0 ? "-" : "", static_cast<long long>(assoluto / 1000),
                static_cast<long long>(assoluto % 1000));
  return std::string(testo);
}

std::string spiega(const Righe& righe, size_t riga, size_t byte, Descrizione descrizione,
                   const std::vector<Progressiva>& sistemi) {
  const std::string_view r = righe.riga(riga);
  if (riga_commento(r) || riga_titolo(r)) return "";
  const std::optional<Parte> parte = parte_alla_riga(righe, riga, descrizione);
  if (!parte) return "";
  const std::vector<CampoRiga> campi = campi_riga(r);
  size_t indice = 0;
  while (indice + 1 < campi.size() && byte > campi[indice].fine) ++indice;
  const Voce* v = voce_di(campi[0].testo, *parte);
  if (v == nullptr) return "";
  if (indice == 0) return spiega_chiave(*v);
  if (indice > v->parole.campi.size()) return "";
  return spiega_valore(*v, campi, indice, sistemi);
}

}  // namespace scenario::lsp
