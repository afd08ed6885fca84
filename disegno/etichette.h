// Placing labels on a drawing so that none covers another or the track: each
// label tries positions around its point, nearest first, and keeps the first
// one that is free; a label put further out than the first ring is joined to
// its point by a leader line.
#pragma once

#include <optional>
#include <utility>
#include <vector>

namespace scenario::tool {

// A box in pixels: left, top, width, height.
struct Riquadro {
  double x = 0, y = 0, w = 0, h = 0;
};

bool si_sovrappongono(const Riquadro& a, const Riquadro& b);
// Whether the segment from `p` to `q` enters the box.
bool attraversa(const Riquadro& r, std::pair<double, double> p, std::pair<double, double> q);

struct Posa {
  Riquadro riquadro;
  bool guida = false;  // far from its point: draw a leader line
};

class Posatore {
 public:
  // Labels stay inside `area`.
  explicit Posatore(const Riquadro& area);

  // A polyline no label may cover.
  void linea(const std::vector<std::pair<double, double>>& punti);
  // Room for `segmenti` more segments of the polylines to come, taken at
  // once: a long line's track takes it in one piece, not by doubling.
  void riserva(size_t segmenti) { segmenti_.reserve(segmenti_.size() + segmenti); }
  // A box no label may cover (a marker).
  void riquadro(const Riquadro& r);

  // A w × h label for the point (x, y), tried on at most `anelli` rings of
  // positions; the box taken becomes an obstacle for the labels after it.
  // Nothing when every position tried is taken.
  std::optional<Posa> posa(double x, double y, double w, double h, int anelli);

 private:
  bool libero(const Riquadro& r) const;
  std::vector<size_t>* secchio(double x, double y);
  void metti(std::vector<size_t>* lista, size_t indice);

  Riquadro area_;
  // Grid entries left to fill: a track that crosses the drawing to and fro
  // (as only broken input does) uses them up, and from then on no label is
  // placed, so that the work stays bounded whatever the plan holds.
  size_t scorta_ = 1000000;
  int colonne_ = 1, righe_ = 1;
  std::vector<std::pair<std::pair<double, double>, std::pair<double, double>>> segmenti_;
  std::vector<Riquadro> riquadri_;
  // Per grid square: segments (indices) and boxes (kRiquadro + index).
  std::vector<std::vector<size_t>> griglia_;
};

}  // namespace scenario::tool
