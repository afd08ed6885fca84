// The plan view: the track as drawn in the track-plan file, seen from above
// with north (the plan's y) up and equal scales on both axes.
#include <algorithm>
#include <cmath>
#include <limits>

#include "tool/disegno.h"

namespace scenario::tool {
namespace {

constexpr size_t kPassoCampioni = 10;     // metres between polyline points
constexpr double kAltezzaMassima = 820;   // px the plan may take at most
constexpr double kAltezzaMinima = 80;     // px, for a plan that is a straight east-west line
constexpr double kTitolo = 28;            // px above the frame for the view's title
constexpr double kBordo = 24;             // px kept clear inside the frame around the track

// A metre both of whose coordinates hold a finite number.
bool calcolato(const Tracciato& t, size_t m) {
  return m < t.x.size() && m < t.y.size() && t.x[m].tag != TagPunto::kVuoto && t.y[m].tag != TagPunto::kVuoto &&
         std::isfinite(t.x[m].valore()) && std::isfinite(t.y[m].valore());
}

// Pixel placement of plan metres.
struct Scala {
  double origine_x = 0;
  double origine_y = 0;
  double px_per_m = 1;
  double px(double x) const { return origine_x + px_per_m * x; }
  double py(double y) const { return origine_y - px_per_m * y; }
};

struct Estremi {
  double x_min = std::numeric_limits<double>::infinity(), x_max = -x_min;
  double y_min = x_min, y_max = -x_min;
  size_t primo = 0, ultimo = 0;  // first and last computed metre
  bool vuoto = true;
};

Estremi estremi(const Tracciato& t) {
  Estremi e;
  for (size_t m = 0; m < t.x.size(); ++m) {
    if (!calcolato(t, m)) continue;
    const double x = t.x[m].valore(), y = t.y[m].valore();
    if (e.vuoto) e.primo = m;
    e.vuoto = false;
    e.ultimo = m;
    e.x_min = std::min(e.x_min, x);
    e.x_max = std::max(e.x_max, x);
    e.y_min = std::min(e.y_min, y);
    e.y_max = std::max(e.y_max, y);
  }
  return e;
}

// Fits the plan into the usable width and at most kAltezzaMassima, centred;
// returns the frame's height.
double adatta(const Estremi& e, double alto, Scala* s) {
  const double dx = e.x_max - e.x_min, dy = e.y_max - e.y_min;
  double scala = std::numeric_limits<double>::infinity();
  if (dx > 0) scala = std::min(scala, (kLarghezzaUtile - 2 * kBordo) / dx);
  if (dy > 0) scala = std::min(scala, (kAltezzaMassima - 2 * kBordo) / dy);
  if (!std::isfinite(scala)) scala = 1;
  const double altezza = std::max(dy * scala + 2 * kBordo, kAltezzaMinima);
  s->px_per_m = scala;
  s->origine_x = kMargineSinistro + (kLarghezzaUtile - dx * scala) / 2 - e.x_min * scala;
  s->origine_y = alto + (altezza - dy * scala) / 2 + e.y_max * scala;
  return altezza;
}

std::vector<std::pair<double, double>> campioni(const Tracciato& t, const Estremi& e, const Scala& s) {
  std::vector<std::pair<double, double>> out;
  for (size_t m = e.primo; m <= e.ultimo; m += kPassoCampioni) {
    if (calcolato(t, m)) out.emplace_back(s.px(t.x[m].valore()), s.py(t.y[m].valore()));
    if (m + kPassoCampioni > e.ultimo && m != e.ultimo) {
      out.emplace_back(s.px(t.x[e.ultimo].valore()), s.py(t.y[e.ultimo].valore()));
    }
  }
  return out;
}

// Frame, kilometre grid and axis labels of the box from `alto`, `altezza` high.
void assi(const Scala& s, double alto, double altezza, Svg* svg) {
  const double destra = kMargineSinistro + kLarghezzaUtile, basso = alto + altezza;
  svg->apri("g", {{"class", "assi"}});
  const double km = 1000 * s.px_per_m;
  for (double v : tacche((kMargineSinistro - s.origine_x) / km, (destra - s.origine_x) / km, 16)) {
    const std::string x = numero_svg(s.origine_x + v * km);
    svg->vuoto("line", {{"class", "griglia"}, {"x1", x}, {"y1", numero_svg(alto)}, {"x2", x}, {"y2", numero_svg(basso)}});
    svg->testo("text", {{"x", x}, {"y", numero_svg(basso + 14)}, {"text-anchor", "middle"}}, numero_svg(v));
  }
  for (double v : tacche((s.origine_y - basso) / km, (s.origine_y - alto) / km, 10)) {
    const std::string y = numero_svg(s.origine_y - v * km);
    svg->vuoto("line", {{"class", "griglia"}, {"x1", numero_svg(kMargineSinistro)}, {"y1", y}, {"x2", numero_svg(destra)}, {"y2", y}});
    svg->testo("text", {{"x", numero_svg(kMargineSinistro - 6)}, {"y", y}, {"text-anchor", "end"}, {"dy", "4"}},
               numero_svg(v));
  }
  svg->vuoto("rect", {{"class", "cornice"}, {"x", numero_svg(kMargineSinistro)}, {"y", numero_svg(alto)},
                      {"width", numero_svg(kLarghezzaUtile)}, {"height", numero_svg(altezza)}});
  svg->testo("text", {{"class", "etichetta-asse"}, {"x", numero_svg(kMargineSinistro + kLarghezzaUtile / 2)},
                      {"y", numero_svg(basso + 32)}, {"text-anchor", "middle"}},
             "x, sideways (km)");
  const std::string ya = numero_svg(alto + altezza / 2);
  svg->testo("text", {{"class", "etichetta-asse"}, {"x", "40"}, {"y", ya}, {"text-anchor", "middle"},
                      {"transform", "rotate(-90 40 " + ya + ")"}},
             "y, north (km)");
  svg->chiudi();
}

void segnali(const std::vector<Cella>& celle, const Tracciato& t, const Scala& s, Svg* svg) {
  for (size_t k = 0; k < celle.size(); ++k) {
    if (celle[k].tipo != kSegnale) continue;
    const size_t metro = 50 * k;
    if (!calcolato(t, metro)) continue;
    svg->apri("g", {{"class", "segnale"}});
    svg->vuoto("circle", {{"cx", numero_svg(s.px(t.x[metro].valore()))}, {"cy", numero_svg(s.py(t.y[metro].valore()))},
                          {"r", "2.5"}});
    svg->testo("title", {}, "signal, cell " + std::to_string(k) + " (" + std::to_string(metro) + " m)");
    svg->chiudi();
  }
}

void stazioni_in_pianta(const Elementi& elementi, const Tracciato& t, const Scala& s, Svg* svg) {
  for (const Stazione& st : stazioni(elementi)) {
    if (st.posizione < 0 || !calcolato(t, static_cast<size_t>(st.posizione))) continue;
    const size_t metro = static_cast<size_t>(st.posizione);
    const double x = s.px(t.x[metro].valore()), y = s.py(t.y[metro].valore());
    svg->apri("g", {{"class", "stazione"}});
    svg->vuoto("circle", {{"cx", numero_svg(x)}, {"cy", numero_svg(y)}, {"r", "4"}});
    svg->testo("text", {{"x", numero_svg(x + 8)}, {"y", numero_svg(y + 4)}}, st.nome);
    svg->chiudi();
  }
}

}  // namespace

double disegna_pianta(const Elementi& elementi, const std::vector<Cella>& celle, const Tracciato& tracciato,
                      double alto, Svg* svg) {
  const Estremi e = estremi(tracciato);
  if (e.vuoto) return alto;
  Scala s;
  const double cornice = alto + kTitolo;
  const double altezza = adatta(e, cornice, &s);
  svg->apri("g", {{"id", "vista-pianta"},
                  {"data-origine-x", numero_svg(s.origine_x)},
                  {"data-origine-y", numero_svg(s.origine_y)},
                  {"data-scala", numero_svg(s.px_per_m, 12)}});
  svg->testo("text", {{"class", "titolo-vista"}, {"x", numero_svg(kMargineSinistro)}, {"y", numero_svg(alto + 18)}},
             "Plan");
  assi(s, cornice, altezza, svg);
  svg->vuoto("polyline", {{"id", "pianta"}, {"points", punti_svg(campioni(tracciato, e, s))}});
  segnali(celle, tracciato, s, svg);
  stazioni_in_pianta(elementi, tracciato, s, svg);
  svg->chiudi();
  return cornice + altezza + 40;
}

}  // namespace scenario::tool
