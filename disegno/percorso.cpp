#include "disegno/percorso.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <optional>

#include "model/griglia.h"
#include "model/tempo_minimo.h"
#include "model/testo_km.h"
#include "model/valori_cella.h"
#include "testi/testo.h"

namespace scenario::tool {
namespace {

// Heading changes below this (radians over a cell) are rounding, not a curve.
constexpr double kSvoltaMinima = 1e-9;

// Runs of equal `campo` over the cells, clipped to [0, fine) metres.
template <typename Campo>
std::vector<TrattoCostante> tratti(const std::vector<Cella>& celle, int64_t fine, Campo campo) {
  std::vector<TrattoCostante> out;
  for (size_t k = 0; k < celle.size() && metri_cella(k) < fine; ++k) {
    const int v = campo(celle[k]);
    const int64_t a = std::min(metri_cella(k) + kMetriCella, fine);
    if (out.empty() || out.back().valore != v) out.push_back({metri_cella(k), a, v});
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

// Each timed station after the first gets the least running time from the
// timed station before it, when it lies further along the line.
void leggi_stazioni(const Elementi& e, const std::vector<Cella>& celle, Percorso* p) {
  std::optional<int64_t> prima;  // the position of the timed station before
  for (int riga = kPrimaStazione; riga <= kPrimoCartello; ++riga) {
    const Elemento& r = e[static_cast<size_t>(riga)];
    if (r.testo.empty()) break;
    StazionePercorso s{utf8(r.testo), r.dato3, r.dato1, r.dato2, r.tipo < kPrimoTipoSenzaFermata, r.dato4, r.tipo, r.byte2, 0};
    if (s.orario <= 0) {
      p->stazioni.push_back(std::move(s));
      continue;
    }
    if (prima && *prima < s.posizione) s.minimo = tempo_minimo(celle, *prima, s.posizione).value_or(0);
    prima = s.posizione;
    p->stazioni.push_back(std::move(s));
  }
}

// A slowdown ends at its end cell, or where it starts when its start and end
// fell into one cell; the warning board stands 1200 m (24 cells) before the
// start when the start lies far enough on.
void leggi_rallentamenti(const std::vector<Cella>& celle, Percorso* p) {
  for (const CelleRallentamento& r : accoppia_rallentamenti(celle)) {
    const size_t w = r.inizio >= 24 ? r.inizio - 24 : celle.size();
    const bool avviso = w < celle.size() && celle[w].tipo == kAvvisoRallentamento;
    p->rallentamenti.push_back({posizione_oggetto(r.inizio), posizione_oggetto(r.fine.value_or(r.inizio)),
                                avviso ? posizione_oggetto(w) : -1, decodifica_rallentamento(celle[r.inizio]).v});
  }
  std::sort(p->rallentamenti.begin(), p->rallentamenti.end(),
            [](const RallentamentoPercorso& a, const RallentamentoPercorso& b) { return a.inizio < b.inizio; });
}

void leggi_celle(const Elementi& e, const std::vector<Cella>& celle, Percorso* p) {
  for (size_t k = 0; k < celle.size(); ++k) {
    const Cella& c = celle[k];
    if (c.tipo == kSegnale) {
      const ImpostazioniSegnale s = decodifica_segnale(c);
      p->segnali.push_back({posizione_oggetto(k), static_cast<int>(k), s.sx, s.dx, s.rapp, c.valore_a, c.valore_b,
                            c.valore_c, c.tempo});
    } else if (c.tipo == kCartello) {
      const int riga = c.valore_a;
      std::string testo = riga >= kPrimaStazione && riga <= kPrimoCartello ? utf8(e[static_cast<size_t>(riga)].testo) : "";
      p->cartelli.push_back({posizione_oggetto(k), std::move(testo)});
    } else if (c.tipo == kIndicatoriVMax) {
      const ValoriIndicatori v = decodifica_indicatori(c);
      p->indicatori.push_back({posizione_oggetto(k), {v.a.sinistra, v.b.sinistra, v.c.sinistra},
                               {v.a.destra, v.b.destra, v.c.destra}, c.valore_d});
    }
  }
  leggi_rallentamenti(celle, p);
}

// What the pictures keep of the plan, taken in one pass over its metres:
// the curves, found cell by cell from the heading at each cell's bounds, and
// the track sampled every kPassoTraccia metres. Only the metre before is held.
class LetturaPiano {
 public:
  LetturaPiano(size_t righe, int64_t lunghezza, Percorso* p)
      : righe_(righe), celle_(righe / kMetriCella), lunghezza_(lunghezza), p_(p) {
    // The samples' lists take their final size at once, so that no growth
    // leaves room unused; the counts bound those of leggi_metro().
    const uint64_t fine = lunghezza >= 0 ? std::min<uint64_t>(static_cast<uint64_t>(lunghezza), righe) : 0;
    p->traccia.reserve(lunghezza >= 0 ? fine / kPassoTraccia + 3 : 0);
    p->margine.reserve((righe - fine) / kPassoTraccia + 3);
  }

  void metro(size_t m, const Punto& x, const Punto& y) {
    const bool buono = x.tag != TagPunto::kVuoto && y.tag != TagPunto::kVuoto && std::isfinite(x.valore()) &&
                       std::isfinite(y.valore());
    // The heading of the step that ends at a cell's first metre: the turn of
    // the cell before ends there, that of the cell from it starts there.
    if (m % kMetriCella == 0 && m > 0) {
      double h = std::nan("");
      if (buono && buono_prima_) {
        const double dx = x.valore() - x_prima_, dy = y.valore() - y_prima_;
        if (dx != 0 || dy != 0) h = std::atan2(dx, dy);
      }
      cella(h);
    }
    buono_prima_ = buono, x_prima_ = x.valore(), y_prima_ = y.valore();
    campiona(m, buono);
  }

  // The last cell, when the plan ends at its end, and the last curve.
  void fine() {
    while (cella_ < celle_) cella(std::nan(""));
    chiudi();
  }

 private:
  // The track every kPassoTraccia metres, at the line's end (a point of both
  // the line and the margin) and at the last metre, so that the drawing ends
  // where the plan does.
  void campiona(size_t m, bool buono) {
    const bool fine_linea = lunghezza_ >= 0 && static_cast<uint64_t>(lunghezza_) == m;
    if (!buono || !(m % kPassoTraccia == 0 || fine_linea || m + 1 == righe_)) return;
    const auto punto = std::make_pair(static_cast<int64_t>(m), std::make_pair(x_prima_, y_prima_));
    if (static_cast<int64_t>(m) <= lunghezza_) p_->traccia.push_back(punto);
    if (static_cast<int64_t>(m) >= lunghezza_) p_->margine.push_back(punto);
  }

  // The next cell, whose turn ends at heading `h2`: the heading at its end
  // less that at its start.
  void cella(double h2) {
    const size_t k = cella_++;
    const double h1 = h_inizio_;
    h_inizio_ = h2;
    if (k >= celle_ || metri_cella(k) >= lunghezza_) return;
    double svolta = h2 - h1;
    if (std::isnan(svolta)) svolta = 0;
    if (svolta > std::numbers::pi) svolta -= 2 * std::numbers::pi;
    if (svolta < -std::numbers::pi) svolta += 2 * std::numbers::pi;
    if (std::abs(svolta) < kSvoltaMinima) svolta = 0;
    const bool stesso_verso = svolta_totale_ == 0 || (svolta > 0) == (svolta_totale_ > 0);
    if (svolta == 0 || !stesso_verso) chiudi();
    if (svolta != 0) {
      if (svolta_totale_ == 0) corrente_.da = metri_cella(k);
      corrente_.a = metri_cella(k) + kMetriCella;
      svolta_totale_ += svolta;
    }
  }

  void chiudi() {
    if (corrente_.a > corrente_.da && svolta_totale_ != 0) {
      corrente_.angolo = svolta_totale_ * 180 / std::numbers::pi;
      corrente_.raggio = static_cast<double>(corrente_.a - corrente_.da) / std::abs(svolta_totale_);
      p_->curve.push_back(corrente_);
    }
    corrente_ = {};
    svolta_totale_ = 0;
  }

  const size_t righe_;
  const size_t celle_;  // whole cells of plan
  const int64_t lunghezza_;
  Percorso* const p_;
  bool buono_prima_ = false;
  double x_prima_ = 0, y_prima_ = 0;
  size_t cella_ = 0;                  // the next cell whose turn is known at its end
  double h_inizio_ = std::nan("");    // the heading at its start
  CurvaPercorso corrente_{};
  double svolta_totale_ = 0;
};

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
  return testo_km(static_cast<int64_t>(std::round(km)));
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

Percorso leggi_percorso(const Elementi& elementi, const std::vector<Cella>& celle, const PianoAPassi& piano) {
  Percorso p;
  p.linea = utf8(elementi[kRigaLinea].testo);
  p.treno = utf8(elementi[kRigaTreno].testo);
  p.fine_celle = kMetriCella * static_cast<int64_t>(celle.size());
  const Elemento& treno = elementi[kRigaTreno];
  p.orologio = (int64_t{treno.intero3} * 60 + treno.intero4) * 60 + treno.intero5;
  const int64_t lunghezza = elementi[kRigaValoriCorsa].dato2;
  // A length the cells do not reach cannot be the line's: the cells are drawn whole.
  p.lunghezza = lunghezza > 0 && lunghezza <= p.fine_celle ? lunghezza : p.fine_celle;
  leggi_progressive(elementi, &p);
  leggi_stazioni(elementi, celle, &p);
  leggi_celle(elementi, celle, &p);
  p.velocita = tratti(celle, p.lunghezza, [](const Cella& c) { return velocita_del_byte(c.velocita); });
  // A cell with pendenza 0 was never given a gradient: it is level.
  p.pendenza = tratti(celle, p.lunghezza, [](const Cella& c) { return c.pendenza == 0 ? 0 : pendenza_del_byte(c.pendenza); });
  p.aderenza = tratti(celle, p.lunghezza, [](const Cella& c) { return static_cast<int>(c.aderenza); });
  for (const TrattoCostante& t : tratti(celle, p.lunghezza, [](const Cella& c) { return static_cast<int>(c.montagna); })) {
    if (t.valore != 0) p.montagna.push_back(t);
  }
  if (piano.righe > 0) {
    LetturaPiano lettura(piano.righe, p.lunghezza, &p);
    piano.scorri([&lettura](size_t m, const Punto& x, const Punto& y) { lettura.metro(m, x, y); });
    lettura.fine();
  }
  return p;
}

Percorso leggi_percorso(const Elementi& elementi, const std::vector<Cella>& celle, const PuntiTracciato* tracciato) {
  return leggi_percorso(elementi, celle, tracciato != nullptr ? piano_di(*tracciato) : PianoAPassi{});
}

}  // namespace scenario::tool
