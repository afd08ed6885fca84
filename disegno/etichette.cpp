#include "disegno/etichette.h"

#include <algorithm>
#include <cmath>

namespace scenario::tool {
namespace {

constexpr double kLato = 40;     // px, side of a grid square
constexpr double kRespiro = 2;   // px kept clear around every label
// Distances from the point to the label, px; the first ring needs no leader.
constexpr double kAnelli[] = {7, 20, 36, 54, 76, 100, 128, 160, 196};

// Grid entries at or above this name boxes, below it segments.
constexpr size_t kRiquadro = size_t{1} << 62;

Riquadro allarga(const Riquadro& r, double d) { return {r.x - d, r.y - d, r.w + 2 * d, r.h + 2 * d}; }

}  // namespace

bool si_sovrappongono(const Riquadro& a, const Riquadro& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

// Liang-Barsky: the part of the segment inside the box is not empty.
bool attraversa(const Riquadro& r, std::pair<double, double> p, std::pair<double, double> q) {
  const double dx = q.first - p.first, dy = q.second - p.second;
  double t0 = 0, t1 = 1;
  const double pp[4] = {-dx, dx, -dy, dy};
  const double qq[4] = {p.first - r.x, r.x + r.w - p.first, p.second - r.y, r.y + r.h - p.second};
  for (int i = 0; i < 4; ++i) {
    if (pp[i] == 0) {
      if (qq[i] < 0) return false;
      continue;
    }
    const double t = qq[i] / pp[i];
    if (pp[i] < 0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
    if (t0 > t1) return false;
  }
  return true;
}

Posatore::Posatore(const Riquadro& area) : area_(area) {
  const bool finita = std::isfinite(area.w) && std::isfinite(area.h) && area.w > 0 && area.h > 0;
  colonne_ = finita ? std::clamp(static_cast<int>(area.w / kLato) + 1, 1, 1000) : 1;
  righe_ = finita ? std::clamp(static_cast<int>(area.h / kLato) + 1, 1, 1000) : 1;
  griglia_.resize(static_cast<size_t>(colonne_) * static_cast<size_t>(righe_));
}

std::vector<size_t>* Posatore::secchio(double x, double y) {
  const int c = std::clamp(static_cast<int>(std::floor((x - area_.x) / kLato)), 0, colonne_ - 1);
  const int r = std::clamp(static_cast<int>(std::floor((y - area_.y) / kLato)), 0, righe_ - 1);
  return &griglia_[static_cast<size_t>(r) * static_cast<size_t>(colonne_) + static_cast<size_t>(c)];
}

void Posatore::metti(std::vector<size_t>* lista, size_t indice) {
  if (scorta_ == 0) return;
  if (lista->empty() || lista->back() != indice) lista->push_back(indice), --scorta_;
}

void Posatore::linea(const std::vector<std::pair<double, double>>& punti) {
  for (size_t i = 0; i + 1 < punti.size() && scorta_ > 0; ++i) {
    const auto p = punti[i], q = punti[i + 1];
    if (!std::isfinite(p.first + p.second + q.first + q.second)) continue;
    const size_t indice = segmenti_.size();
    segmenti_.emplace_back(p, q);
    // Every square the segment passes, stepping a quarter square at a time;
    // a segment far longer than the area counts in the squares it spans there.
    const double lunghezza = std::hypot(q.first - p.first, q.second - p.second);
    const int passi = static_cast<int>(std::min(lunghezza, 4 * (area_.w + area_.h)) / (kLato / 4)) + 1;
    std::vector<size_t>* ultimo = nullptr;
    for (int s = 0; s <= passi; ++s) {
      const double t = static_cast<double>(s) / passi;
      std::vector<size_t>* b = secchio(p.first + t * (q.first - p.first), p.second + t * (q.second - p.second));
      if (b != ultimo) metti(b, indice);
      ultimo = b;
    }
  }
}

void Posatore::riquadro(const Riquadro& r) {
  if (!std::isfinite(r.x + r.y + r.w + r.h) || r.w > area_.w + kLato || r.h > area_.h + kLato) return;
  riquadri_.push_back(r);
  const size_t indice = kRiquadro + riquadri_.size() - 1;
  for (double y = r.y; y < r.y + r.h + kLato; y += kLato) {
    for (double x = r.x; x < r.x + r.w + kLato; x += kLato) {
      metti(secchio(std::min(x, r.x + r.w), std::min(y, r.y + r.h)), indice);
    }
  }
}

bool Posatore::libero(const Riquadro& r) const {
  if (r.x < area_.x || r.y < area_.y || r.x + r.w > area_.x + area_.w || r.y + r.h > area_.y + area_.h) return false;
  const Riquadro largo = allarga(r, kRespiro);
  const int c0 = std::clamp(static_cast<int>(std::floor((largo.x - area_.x) / kLato)), 0, colonne_ - 1);
  const int c1 = std::clamp(static_cast<int>(std::floor((largo.x + largo.w - area_.x) / kLato)), 0, colonne_ - 1);
  const int r0 = std::clamp(static_cast<int>(std::floor((largo.y - area_.y) / kLato)), 0, righe_ - 1);
  const int r1 = std::clamp(static_cast<int>(std::floor((largo.y + largo.h - area_.y) / kLato)), 0, righe_ - 1);
  for (int riga = r0; riga <= r1; ++riga) {
    for (int col = c0; col <= c1; ++col) {
      for (size_t i : griglia_[static_cast<size_t>(riga) * static_cast<size_t>(colonne_) + static_cast<size_t>(col)]) {
        if (i >= kRiquadro) {
          if (si_sovrappongono(largo, riquadri_[i - kRiquadro])) return false;
        } else if (attraversa(largo, segmenti_[i].first, segmenti_[i].second)) {
          return false;
        }
      }
    }
  }
  return true;
}

std::optional<Posa> Posatore::posa(double x, double y, double w, double h, int anelli) {
  if (scorta_ == 0 || !std::isfinite(x) || !std::isfinite(y) || !(w > 0) || !(h > 0) || w > area_.w || h > area_.h) {
    return std::nullopt;
  }
  const int quanti = std::clamp(anelli, 1, static_cast<int>(std::size(kAnelli)));
  for (int a = 0; a < quanti; ++a) {
    const double d = kAnelli[a], diagonale = d * 0.7071;
    // East, west, north, south, then the four corners.
    const Riquadro prove[] = {
        {x + d, y - h / 2, w, h},          {x - d - w, y - h / 2, w, h},     {x - w / 2, y - d - h, w, h},
        {x - w / 2, y + d, w, h},          {x + diagonale, y - diagonale - h, w, h},
        {x - diagonale - w, y - diagonale - h, w, h}, {x + diagonale, y + diagonale, w, h},
        {x - diagonale - w, y + diagonale, w, h},
    };
    for (const Riquadro& r : prove) {
      if (!libero(r)) continue;
      riquadro(r);
      return Posa{r, a > 0};
    }
  }
  return std::nullopt;
}

}  // namespace scenario::tool
