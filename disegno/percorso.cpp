#include "disegno/percorso.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <deque>
#include <numbers>

#include "testi/testo.h"

namespace scenario::tool {
namespace {

constexpr int64_t kMetriCella = 50;
// A station type from this value on passes without stopping: it gets no stopping cell.
constexpr int kPrimoTipoSenzaFermata = 25;
// Heading changes below this (radians over a cell) are rounding, not a curve.
constexpr double kSvoltaMinima = 1e-9;

int64_t inizio_cella(size_t k) { return kMetriCella * static_cast<int64_t>(k); }

// Runs of equal `campo` over the cells, clipped to [0, fine) metres.
template <typename Campo>
std::vector<Tratto> tratti(const std::vector<Cella>& celle, int64_t fine, Campo campo) {
  std::vector<Tratto> out;
  for (size_t k = 0; k < celle.size() && inizio_cella(k) < fine; ++k) {
    const int v = campo(celle[k]);
    const int64_t a = std::min(inizio_cella(k) + kMetriCella, fine);
    if (out.empty() || out.back().valore != v) out.push_back({inizio_cella(k), a, v});
    out.back().a = a;
  }
  return out;
}

void leggi_progressive(const Elementi& e, Percorso* p) {
  for (int riga : {kRigaProgressivaUno, kRigaProgressivaDue, kRigaProgressivaTre}) {
    const Elemento& r = e[static_cast<size_t>(riga)];
    if (r.dato1 == 0 && r.dato2 == 0) continue;
    const bool decrescente = r.dato3 == 1;
    // A decreasing system's value carries 100 extra metres in the table.
    p->progressive.push_back({r.dato1, static_cast<int64_t>(r.dato2) - (decrescente ? 100 : 0), decrescente});
  }
  std::stable_sort(p->progressive.begin(), p->progressive.end(),
                   [](const SistemaProgressive& a, const SistemaProgressive& b) { return a.inizio < b.inizio; });
}

void leggi_stazioni(const Elementi& e, Percorso* p) {
  for (int riga = kPrimaStazione; riga <= kPrimoCartello; ++riga) {
    const Elemento& r = e[static_cast<size_t>(riga)];
    if (r.testo.empty()) break;
    p->stazioni.push_back({utf8(r.testo), r.dato3, r.dato1, r.dato2, r.tipo < kPrimoTipoSenzaFermata, r.dato4, r.tipo, r.byte2});
  }
}

// A slowdown's end is the first end cell after its start; the warning board
// stands 1200 m (24 cells) before the start when the start lies far enough on.
void leggi_rallentamenti(const std::vector<Cella>& celle, Percorso* p) {
  std::deque<size_t> aperti;
  auto chiudi = [&](size_t inizio, int64_t fine) {
    const size_t w = inizio >= 24 ? inizio - 24 : celle.size();
    const bool avviso = w < celle.size() && celle[w].tipo == kAvvisoRallentamento;
    p->rallentamenti.push_back({posizione_oggetto(inizio), fine, avviso ? posizione_oggetto(w) : -1,
                                celle[inizio].valore_a});
  };
  for (size_t k = 0; k < celle.size(); ++k) {
    if (celle[k].tipo == kInizioRallentamento) aperti.push_back(k);
    if (celle[k].tipo == kFineRallentamento && !aperti.empty()) {
      chiudi(aperti.front(), posizione_oggetto(k));
      aperti.pop_front();
    }
  }
  // A start with no end after it: its start and end fell into one cell.
  for (size_t k : aperti) chiudi(k, posizione_oggetto(k));
  std::sort(p->rallentamenti.begin(), p->rallentamenti.end(),
            [](const RallentamentoPercorso& a, const RallentamentoPercorso& b) { return a.inizio < b.inizio; });
}

void leggi_celle(const Elementi& e, const std::vector<Cella>& celle, Percorso* p) {
  for (size_t k = 0; k < celle.size(); ++k) {
    const Cella& c = celle[k];
    if (c.tipo == kSegnale) {
      const int d = c.valore_d;
      p->segnali.push_back({posizione_oggetto(k), static_cast<int>(k), (d % 10) / 3, (d % 10) % 3, d / 10, c.valore_a,
                            c.valore_b, c.valore_c, c.tempo});
    } else if (c.tipo == kCartello) {
      const int riga = c.valore_a;
      std::string testo = riga >= kPrimaStazione && riga <= kPrimoCartello ? utf8(e[static_cast<size_t>(riga)].testo) : "";
      p->cartelli.push_back({posizione_oggetto(k), std::move(testo)});
    } else if (c.tipo == kIndicatoriVMax) {
      // Each speed packs the left side times 20 with the right side in steps of 5 km/h.
      IndicatorePercorso i{posizione_oggetto(k), {}, {}, c.valore_d};
      const int16_t valori[3] = {c.valore_a, c.valore_b, c.valore_c};
      for (int n = 0; n < 3; ++n) {
        i.sinistra[n] = valori[n] / 100 * 5;
        i.destra[n] = valori[n] % 100 * 5;
      }
      p->indicatori.push_back(i);
    }
  }
  leggi_rallentamenti(celle, p);
}

bool calcolato(const PuntiTracciato& t, size_t m) {
  return m < t.x.size() && m < t.y.size() && t.x.tag(m) != TagPunto::kVuoto && t.y.tag(m) != TagPunto::kVuoto &&
         std::isfinite(t.x.valore(m)) && std::isfinite(t.y.valore(m));
}

// Heading of the step from metre m to m + 1, clockwise from north; NaN when
// either point is missing or the step has no length.
double rotta(const PuntiTracciato& t, size_t m) {
  if (!calcolato(t, m) || !calcolato(t, m + 1)) return std::nan("");
  const double dx = t.x.valore(m + 1) - t.x.valore(m), dy = t.y.valore(m + 1) - t.y.valore(m);
  if (dx == 0 && dy == 0) return std::nan("");
  return std::atan2(dx, dy);
}

void leggi_curve(const PuntiTracciato& t, int64_t fine, Percorso* p) {
  const size_t celle = std::min(t.x.size(), t.y.size()) / kMetriCella;
  CurvaPercorso corrente{};
  double svolta_totale = 0;
  auto chiudi = [&] {
    if (corrente.a > corrente.da && svolta_totale != 0) {
      corrente.angolo = svolta_totale * 180 / std::numbers::pi;
      corrente.raggio = static_cast<double>(corrente.a - corrente.da) / std::abs(svolta_totale);
      p->curve.push_back(corrente);
    }
    corrente = {};
    svolta_totale = 0;
  };
  for (size_t k = 0; k < celle && inizio_cella(k) < fine; ++k) {
    // The turn within the cell: the heading of the step that ends at its last
    // metre less that of the step that ends at its first.
    const double h1 = k == 0 ? std::nan("") : rotta(t, static_cast<size_t>(inizio_cella(k) - 1));
    const double h2 = rotta(t, static_cast<size_t>(inizio_cella(k) + kMetriCella - 1));
    double svolta = h2 - h1;
    if (std::isnan(svolta)) svolta = 0;
    if (svolta > std::numbers::pi) svolta -= 2 * std::numbers::pi;
    if (svolta < -std::numbers::pi) svolta += 2 * std::numbers::pi;
    if (std::abs(svolta) < kSvoltaMinima) svolta = 0;
    const bool stesso_verso = svolta_totale == 0 || (svolta > 0) == (svolta_totale > 0);
    if (svolta == 0 || !stesso_verso) chiudi();
    if (svolta != 0) {
      if (svolta_totale == 0) corrente.da = inizio_cella(k);
      corrente.a = inizio_cella(k) + kMetriCella;
      svolta_totale += svolta;
    }
  }
  chiudi();
}

void leggi_traccia(const PuntiTracciato& t, int64_t lunghezza, Percorso* p) {
  const size_t n = std::min(t.x.size(), t.y.size());
  if (n == 0) return;
  // Every tenth metre, the line's end (a point of both the line and the
  // margin) and the last metre, so that the drawing ends where the plan does.
  std::vector<size_t> metri;
  for (size_t m = 0; m < n; m += kPassoTraccia) metri.push_back(m);
  if (lunghezza >= 0 && static_cast<uint64_t>(lunghezza) < n) metri.push_back(static_cast<size_t>(lunghezza));
  metri.push_back(n - 1);
  std::sort(metri.begin(), metri.end());
  metri.erase(std::unique(metri.begin(), metri.end()), metri.end());
  for (size_t m : metri) {
    if (!calcolato(t, m)) continue;
    const auto punto = std::make_pair(static_cast<int64_t>(m), std::make_pair(t.x.valore(m), t.y.valore(m)));
    if (static_cast<int64_t>(m) <= lunghezza) p->traccia.push_back(punto);
    if (static_cast<int64_t>(m) >= lunghezza) p->margine.push_back(punto);
  }
}

}  // namespace

double Percorso::progressiva(double metri) const {
  const SistemaProgressive* s = nullptr;
  for (const SistemaProgressive& p : progressive) {
    if (static_cast<double>(p.inizio) <= metri) s = &p;
  }
  if (s == nullptr) return std::nan("");
  const double dentro = metri - static_cast<double>(s->inizio);
  return static_cast<double>(s->valore) + (s->decrescente ? -dentro : dentro);
}

std::string Percorso::testo_progressiva(double metri) const {
  char testo[64];
  const double km = progressiva(metri);
  if (!std::isfinite(km) || std::abs(km) > 1e12) {
    std::snprintf(testo, sizeof testo, "%.0f m", std::isfinite(metri) ? metri : 0.0);
    return testo;
  }
  const double intero = std::round(km);
  const double assoluto = std::abs(intero);
  std::snprintf(testo, sizeof testo, "km %s%.0f+%03.0f", intero < 0 ? "-" : "", std::floor(assoluto / 1000),
                std::fmod(assoluto, 1000));
  return testo;
}

std::vector<std::pair<double, long long>> Percorso::posti_km() const {
  std::vector<std::pair<double, long long>> out;
  const double fine = static_cast<double>(lunghezza);
  for (size_t i = 0; i < progressive.size(); ++i) {
    const double da = static_cast<double>(std::max<int64_t>(progressive[i].inizio, 0));
    const double a = std::min(i + 1 < progressive.size() ? static_cast<double>(progressive[i + 1].inizio) : fine, fine);
    if (!(a > da)) continue;
    const double km0 = progressiva(da) / 1000, km1 = progressiva(a) / 1000;
    for (double k = std::ceil(std::min(km0, km1)); k <= std::max(km0, km1) && out.size() < 5000; ++k) {
      const double metri = da + std::abs(k * 1000 - progressiva(da));
      if (metri < a || (metri == a && i + 1 == progressive.size())) out.emplace_back(metri, static_cast<long long>(k));
    }
  }
  return out;
}

std::string testo_orario(int64_t secondi) {
  if (secondi <= 0 || secondi >= 48 * 3600) return "";
  char testo[16];
  const int64_t h = secondi / 3600, m = secondi / 60 % 60, s = secondi % 60;
  if (s == 0) {
    std::snprintf(testo, sizeof testo, "%02lld:%02lld", static_cast<long long>(h), static_cast<long long>(m));
  } else {
    std::snprintf(testo, sizeof testo, "%02lld:%02lld:%02lld", static_cast<long long>(h), static_cast<long long>(m),
                  static_cast<long long>(s));
  }
  return testo;
}

Percorso leggi_percorso(const Elementi& elementi, const std::vector<Cella>& celle, const PuntiTracciato* tracciato) {
  Percorso p;
  p.linea = utf8(elementi[kRigaLinea].testo);
  p.treno = utf8(elementi[kRigaTreno].testo);
  p.fine_celle = kMetriCella * static_cast<int64_t>(celle.size());
  const int64_t lunghezza = elementi[kRigaValoriCorsa].dato2;
  // A length the cells do not reach cannot be the line's: the cells are drawn whole.
  p.lunghezza = lunghezza > 0 && lunghezza <= p.fine_celle ? lunghezza : p.fine_celle;
  leggi_progressive(elementi, &p);
  leggi_stazioni(elementi, &p);
  leggi_celle(elementi, celle, &p);
  p.velocita = tratti(celle, p.lunghezza, [](const Cella& c) { return c.velocita * 5; });
  // A cell with pendenza 0 was never given a gradient: it is level.
  p.pendenza = tratti(celle, p.lunghezza, [](const Cella& c) { return c.pendenza == 0 ? 0 : c.pendenza - 100; });
  p.aderenza = tratti(celle, p.lunghezza, [](const Cella& c) { return static_cast<int>(c.aderenza); });
  for (const Tratto& t : tratti(celle, p.lunghezza, [](const Cella& c) { return static_cast<int>(c.montagna); })) {
    if (t.valore != 0) p.montagna.push_back(t);
  }
  if (tracciato != nullptr && tracciato->presente()) {
    leggi_curve(*tracciato, p.lunghezza, &p);
    leggi_traccia(*tracciato, p.lunghezza, &p);
  }
  return p;
}

}  // namespace scenario::tool
