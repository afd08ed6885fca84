// The plan view: the track seen from above, north up, equal scales on both
// axes, the frame fitted to the line (the margin after its end is drawn grey
// and dashed, and does not count in the fit). Kilometre ticks by the
// kilometre posts, curves, start, end and direction of travel, signals and
// stations with labels that cover neither each other nor the track.
#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "disegno/disegno.h"
#include "disegno/etichette.h"

namespace scenario::tool {
namespace {

constexpr double kAltezzaMassima = 760;   // px the frame may take at most
constexpr double kAltezzaMinima = 240;    // px, for a plan that is nearly a straight east-west line
constexpr double kTitolo = 28;            // px above the frame for the view's title
constexpr double kBordo = 36;             // px between the track's extremes and the frame
constexpr double kCorpoStazione = 11;
constexpr double kCorpoKm = 10;
constexpr double kCorpoCurva = 9;

using Punti = std::vector<std::pair<double, double>>;

// Pixel placement of plan metres.
struct Scala {
  double origine_x = 0, origine_y = 0, px_per_m = 1;
  double px(double x) const { return origine_x + px_per_m * x; }
  double py(double y) const { return origine_y - px_per_m * y; }
};

struct Cornice {
  double x, y, w, h;
};

// Fits the line's track (the margin when the line has none) with equal scales
// into at most the usable width and kAltezzaMassima; the frame is the track's
// extent plus kBordo on each side, centred across the page.
Cornice adatta(const Percorso& p, double alto, Scala* s) {
  const auto& punti = p.traccia.empty() ? p.margine : p.traccia;
  double x0 = std::numeric_limits<double>::infinity(), x1 = -x0, y0 = x0, y1 = -x0;
  for (const auto& [m, xy] : punti) {
    x0 = std::min(x0, xy.first), x1 = std::max(x1, xy.first);
    y0 = std::min(y0, xy.second), y1 = std::max(y1, xy.second);
  }
  const double dx = x1 - x0, dy = y1 - y0;
  double scala = std::numeric_limits<double>::infinity();
  if (dx > 0) scala = std::min(scala, (kLarghezzaUtile - 2 * kBordo) / dx);
  if (dy > 0) scala = std::min(scala, (kAltezzaMassima - 2 * kBordo) / dy);
  if (!std::isfinite(scala) || scala <= 0) scala = 1;
  const double w = std::clamp(dx * scala + 2 * kBordo, 2 * kBordo, kLarghezzaUtile);
  const double h = std::clamp(dy * scala + 2 * kBordo, kAltezzaMinima, kAltezzaMassima);
  const Cornice c{kMargineSinistro + (kLarghezzaUtile - w) / 2, alto, w, h};
  s->px_per_m = scala;
  s->origine_x = c.x + (w - dx * scala) / 2 - x0 * scala;
  s->origine_y = c.y + (h - dy * scala) / 2 + y1 * scala;
  return c;
}

// The track's pixel points between line positions [da, a]; the samples are
// in rising order of position, so each list is searched, not scanned.
Punti tratto_px(const Percorso& p, const Scala& s, int64_t da, int64_t a) {
  Punti out;
  for (const auto* lista : {&p.traccia, &p.margine}) {
    auto it = std::lower_bound(lista->begin(), lista->end(), da, [](const auto& e, int64_t m) { return e.first < m; });
    for (; it != lista->end() && it->first <= a; ++it) {
      // The line's end is the first point of the margin too.
      if (lista == &p.margine && !out.empty() && it->first == p.lunghezza) continue;
      out.emplace_back(s.px(it->second.first), s.py(it->second.second));
    }
  }
  return out;
}

Punti px(const Percorso& p, const Scala& s, bool margine) {
  Punti out;
  for (const auto& [m, xy] : margine ? p.margine : p.traccia) out.emplace_back(s.px(xy.first), s.py(xy.second));
  return out;
}

// The track's point and heading (unit vector, px) at a line position, from
// the sampled points around it; false when the track does not reach it.
bool punto_a(const Percorso& p, const Scala& s, double metri, std::pair<double, double>* xy,
             std::pair<double, double>* verso) {
  const auto& t = p.traccia;
  if (t.size() < 2 || !(metri >= static_cast<double>(t.front().first)) || metri > static_cast<double>(t.back().first)) {
    return false;
  }
  auto it = std::lower_bound(t.begin(), t.end(), metri, [](const auto& e, double m) { return static_cast<double>(e.first) < m; });
  if (it == t.end()) return false;
  auto prima = it == t.begin() ? it : it - 1;
  auto dopo = it == t.begin() ? it + 1 : it;
  if (dopo == t.end() || prima == dopo) return false;
  const double campo = static_cast<double>(dopo->first - prima->first);
  const double f = campo > 0 ? std::clamp((metri - static_cast<double>(prima->first)) / campo, 0.0, 1.0) : 0;
  const double x = prima->second.first + f * (dopo->second.first - prima->second.first);
  const double y = prima->second.second + f * (dopo->second.second - prima->second.second);
  *xy = {s.px(x), s.py(y)};
  const double vx = s.px(dopo->second.first) - s.px(prima->second.first);
  const double vy = s.py(dopo->second.second) - s.py(prima->second.second);
  const double n = std::hypot(vx, vy);
  *verso = n > 0 ? std::make_pair(vx / n, vy / n) : std::make_pair(1.0, 0.0);
  return std::isfinite(xy->first) && std::isfinite(xy->second);
}

void griglia(const Scala& s, const Cornice& c, Svg* svg) {
  svg->apri("g", {{"class", "assi"}});
  const double km = 1000 * s.px_per_m;
  for (double v : tacche((c.x - s.origine_x) / km, (c.x + c.w - s.origine_x) / km, 12)) {
    const std::string x = numero_svg(s.origine_x + v * km);
    svg->vuoto("line", {{"class", "griglia"}, {"x1", x}, {"y1", numero_svg(c.y)}, {"x2", x}, {"y2", numero_svg(c.y + c.h)}});
    svg->testo("text", {{"x", x}, {"y", numero_svg(c.y + c.h + 14)}, {"text-anchor", "middle"}}, numero_svg(v));
  }
  for (double v : tacche((s.origine_y - c.y - c.h) / km, (s.origine_y - c.y) / km, 8)) {
    const std::string y = numero_svg(s.origine_y - v * km);
    svg->vuoto("line", {{"class", "griglia"}, {"x1", numero_svg(c.x)}, {"y1", y}, {"x2", numero_svg(c.x + c.w)}, {"y2", y}});
    svg->testo("text", {{"x", numero_svg(c.x - 6)}, {"y", y}, {"text-anchor", "end"}, {"dy", "4"}}, numero_svg(v));
  }
  svg->vuoto("rect", {{"class", "cornice"}, {"x", numero_svg(c.x)}, {"y", numero_svg(c.y)}, {"width", numero_svg(c.w)},
                      {"height", numero_svg(c.h)}});
  svg->testo("text", {{"class", "etichetta-asse"}, {"x", numero_svg(c.x + c.w / 2)}, {"y", numero_svg(c.y + c.h + 30)},
                      {"text-anchor", "middle"}},
             "east (km)");
  svg->testo("text", {{"class", "etichetta-asse"}, {"x", numero_svg(c.x + c.w)}, {"y", numero_svg(c.y - 6)},
                      {"text-anchor", "end"}},
             "north \xE2\x86\x91");
  svg->chiudi();
}

// A placed label: its box, a white ground, the text, and a leader line back to
// its point when it stands away from it.
void etichetta(const Posa& posa, double x, double y, const std::string& testo, double corpo, const char* classe,
               Svg* svg) {
  const Riquadro& r = posa.riquadro;
  svg->apri("g", {{"class", "etichetta"},
                  {"data-riquadro", numero_svg(r.x) + " " + numero_svg(r.y) + " " + numero_svg(r.w) + " " + numero_svg(r.h)}});
  if (posa.guida) {
    const double gx = std::clamp(x, r.x, r.x + r.w), gy = std::clamp(y, r.y, r.y + r.h);
    svg->vuoto("line", {{"class", "guida"}, {"x1", numero_svg(x)}, {"y1", numero_svg(y)}, {"x2", numero_svg(gx)},
                        {"y2", numero_svg(gy)}});
  }
  svg->vuoto("rect", {{"class", "fondo-etichetta"}, {"x", numero_svg(r.x)}, {"y", numero_svg(r.y)},
                      {"width", numero_svg(r.w)}, {"height", numero_svg(r.h)}});
  testo_misurato(svg, r.x + 1, r.y + r.h - corpo * 0.28, testo, corpo, classe);
  svg->chiudi();
}

void curve(const Percorso& p, const Scala& s, Svg* svg) {
  svg->apri("g", {{"id", "curve"}});
  for (const CurvaPercorso& c : p.curve) {
    svg->apri("polyline", {{"class", c.angolo > 0 ? "curva-destra" : "curva-sinistra"},
                           {"points", punti_svg(tratto_px(p, s, c.da, c.a))}});
    svg->testo("title", {}, std::string(c.angolo > 0 ? "right" : "left") + " curve, " + std::to_string(c.da) + " to " +
                                std::to_string(c.a) + " m, radius " + numero_svg(std::round(c.raggio)) + " m, " +
                                numero_svg(std::abs(c.angolo), 1) + "\xC2\xB0");
    svg->chiudi();
  }
  svg->chiudi();
}

// Start (a dot), end (a bar across the track) and arrows of the direction of travel.
void estremi_e_verso(const Percorso& p, const Scala& s, Svg* svg, Posatore* posatore) {
  std::pair<double, double> xy, v;
  if (punto_a(p, s, 0, &xy, &v)) {
    svg->vuoto("circle", {{"class", "inizio"}, {"cx", numero_svg(xy.first)}, {"cy", numero_svg(xy.second)}, {"r", "6"}});
    posatore->riquadro({xy.first - 6, xy.second - 6, 12, 12});
  }
  if (punto_a(p, s, static_cast<double>(p.lunghezza), &xy, &v)) {
    const double nx = -v.second * 9, ny = v.first * 9;
    svg->vuoto("line", {{"class", "fine"}, {"x1", numero_svg(xy.first - nx)}, {"y1", numero_svg(xy.second - ny)},
                        {"x2", numero_svg(xy.first + nx)}, {"y2", numero_svg(xy.second + ny)}, {"stroke-width", "4"},
                        {"stroke", "#000"}});
    posatore->riquadro({xy.first - 9, xy.second - 9, 18, 18});
  }
  for (double f : {0.2, 0.4, 0.6, 0.8}) {
    if (!punto_a(p, s, f * static_cast<double>(p.lunghezza), &xy, &v)) continue;
    const double ax = xy.first + v.first * 7, ay = xy.second + v.second * 7;
    const double bx = xy.first - v.first * 5 - v.second * 5, by = xy.second - v.second * 5 + v.first * 5;
    const double cx = xy.first - v.first * 5 + v.second * 5, cy = xy.second - v.second * 5 - v.first * 5;
    svg->vuoto("path", {{"class", "verso"}, {"d", "M" + numero_svg(ax) + " " + numero_svg(ay) + "L" + numero_svg(bx) +
                                                      " " + numero_svg(by) + "L" + numero_svg(cx) + " " + numero_svg(cy) + "Z"}});
  }
}

void tacche_km(const Percorso& p, const Scala& s, const Cornice& c, Svg* svg, Posatore* posatore,
               std::vector<std::pair<Posa, std::pair<double, double>>>* posate, std::vector<std::string>* testi) {
  const auto posti = p.posti_km();
  const long long ogni = p.lunghezza > 150000 ? 10 : 5;
  svg->apri("g", {{"id", "tacche-km"}});
  for (const auto& [metri, km] : posti) {
    std::pair<double, double> xy, v;
    if (!punto_a(p, s, metri, &xy, &v)) continue;
    const double nx = -v.second * 4, ny = v.first * 4;
    svg->vuoto("line", {{"class", "tacca-km"}, {"x1", numero_svg(xy.first - nx)}, {"y1", numero_svg(xy.second - ny)},
                        {"x2", numero_svg(xy.first + nx)}, {"y2", numero_svg(xy.second + ny)}});
    if (km % ogni != 0 || xy.first < c.x || xy.first > c.x + c.w) continue;
    const std::string testo = "km " + std::to_string(km);
    if (auto posa = posatore->posa(xy.first, xy.second, larghezza_testo(testo, kCorpoKm), kCorpoKm + 3, 3)) {
      posate->push_back({*posa, xy});
      testi->push_back(testo);
    }
  }
  svg->chiudi();
}

void segnali(const Percorso& p, const Scala& s, Svg* svg) {
  svg->apri("g", {{"id", "segnali-pianta"}});
  for (const SegnalePercorso& g : p.segnali) {
    std::pair<double, double> xy, v;
    if (!punto_a(p, s, static_cast<double>(g.posizione), &xy, &v)) continue;
    svg->apri("circle", {{"class", "segnale"}, {"cx", numero_svg(xy.first)}, {"cy", numero_svg(xy.second)}, {"r", "2.6"}});
    svg->testo("title", {}, "signal at " + std::to_string(g.posizione) + " m, " + p.testo_progressiva(static_cast<double>(g.posizione)));
    svg->chiudi();
  }
  svg->chiudi();
}

// The title, the grid and, clipped to the frame, the margin, the track and
// the curves over it. Returns the line's and the margin's points in pixels.
std::pair<Punti, Punti> disegna_traccia(const Percorso& p, const Scala& s, const Cornice& c, double alto, Svg* svg) {
  svg->testo("text", {{"class", "titolo-vista"}, {"x", numero_svg(kMargineSinistro)}, {"y", numero_svg(alto + 18)}},
             "Plan");
  griglia(s, c, svg);
  svg->apri("clipPath", {{"id", "dentro-cornice"}});
  svg->vuoto("rect", {{"x", numero_svg(c.x)}, {"y", numero_svg(c.y)}, {"width", numero_svg(c.w)}, {"height", numero_svg(c.h)}});
  svg->chiudi();

  Punti linea = px(p, s, false), margine = px(p, s, true);
  svg->apri("g", {{"clip-path", "url(#dentro-cornice)"}});
  svg->apri("polyline", {{"class", "margine"}, {"id", "margine"}, {"points", punti_svg(margine)}});
  svg->testo("title", {}, "beyond the end of the line (not run)");
  svg->chiudi();
  svg->vuoto("polyline", {{"id", "pianta"}, {"class", "traccia"}, {"points", punti_svg(linea)}});
  curve(p, s, svg);
  svg->chiudi();
  return {std::move(linea), std::move(margine)};
}

struct SegnoStazione {
  const StazionePercorso* st;
  std::pair<double, double> xy;
};

// The station marks, each kept clear of the labels to come, so that no label
// covers another station's point.
std::vector<SegnoStazione> disegna_stazioni(const Percorso& p, const Scala& s, Svg* svg, Posatore* posatore) {
  std::vector<SegnoStazione> segni;
  svg->apri("g", {{"id", "stazioni-pianta"}});
  for (const StazionePercorso& st : p.stazioni) {
    std::pair<double, double> xy, v;
    if (!punto_a(p, s, static_cast<double>(st.posizione), &xy, &v)) continue;
    svg->apri("g", {{"class", "stazione"}});
    svg->vuoto("circle", {{"class", st.ferma ? "stazione-ferma" : "stazione-transito"}, {"cx", numero_svg(xy.first)},
                          {"cy", numero_svg(xy.second)}, {"r", "4.5"}});
    svg->testo("title", {}, st.nome + (st.ferma ? ", stop" : ", no stop") + ", " + std::to_string(st.posizione) + " m");
    svg->chiudi();
    posatore->riquadro({xy.first - 5, xy.second - 5, 10, 10});
    segni.push_back({&st, xy});
  }
  svg->chiudi();
  return segni;
}

// The labels where there is room, in order of importance: station names with
// their times, the kilometre posts, the curves' radii.
void disegna_etichette(const Percorso& p, const Scala& s, const Cornice& c, const std::vector<SegnoStazione>& segni,
                       Svg* svg, Posatore* posatore) {
  svg->apri("g", {{"id", "etichette-pianta"}});
  for (const SegnoStazione& sg : segni) {
    const std::string orario = testo_orario(sg.st->orario);
    const std::string testo = sg.st->nome + (orario.empty() ? "" : " " + orario);
    const double w = larghezza_testo(testo, kCorpoStazione), h = kCorpoStazione + 4;
    if (auto posa = posatore->posa(sg.xy.first, sg.xy.second, w, h, 9)) {
      etichetta(*posa, sg.xy.first, sg.xy.second, testo, kCorpoStazione,
                sg.st->ferma ? "nome-ferma" : "nome-transito", svg);
    }
  }
  std::vector<std::pair<Posa, std::pair<double, double>>> posate;
  std::vector<std::string> testi;
  tacche_km(p, s, c, svg, posatore, &posate, &testi);
  for (size_t i = 0; i < posate.size(); ++i) {
    etichetta(posate[i].first, posate[i].second.first, posate[i].second.second, testi[i], kCorpoKm, "km-etichetta", svg);
  }
  // Curve labels where there is room: radius, with the side in the colour.
  // At most a few hundred: beyond that the plan has no room for them anyway.
  for (size_t i = 0; i < p.curve.size() && i < 300; ++i) {
    const CurvaPercorso& cv = p.curve[i];
    std::pair<double, double> xy, v;
    if (!punto_a(p, s, static_cast<double>(cv.da + cv.a) / 2, &xy, &v)) continue;
    const std::string testo = "R " + numero_svg(std::round(cv.raggio));
    if (auto posa = posatore->posa(xy.first, xy.second, larghezza_testo(testo, kCorpoCurva), kCorpoCurva + 3, 2)) {
      etichetta(*posa, xy.first, xy.second, testo, kCorpoCurva, "curva-etichetta", svg);
    }
  }
  svg->chiudi();
}

}  // namespace

double disegna_pianta(const Percorso& p, double alto, Svg* svg) {
  if (p.traccia.empty() && p.margine.empty()) return alto;
  Scala s;
  const Cornice c = adatta(p, alto + kTitolo, &s);
  svg->apri("g", {{"id", "vista-pianta"},
                  {"data-origine-x", numero_svg(s.origine_x)},
                  {"data-origine-y", numero_svg(s.origine_y)},
                  {"data-scala", numero_svg(s.px_per_m, 12)},
                  {"data-cornice", numero_svg(c.x) + " " + numero_svg(c.y) + " " + numero_svg(c.w) + " " + numero_svg(c.h)}});
  const auto [linea, margine] = disegna_traccia(p, s, c, alto, svg);
  Posatore posatore({c.x + 2, c.y + 2, c.w - 4, c.h - 4});
  posatore.riserva(linea.size() + margine.size());
  posatore.linea(linea);
  posatore.linea(margine);
  estremi_e_verso(p, s, svg, &posatore);
  segnali(p, s, svg);
  const std::vector<SegnoStazione> segni = disegna_stazioni(p, s, svg, &posatore);
  disegna_etichette(p, s, c, segni, svg, &posatore);
  svg->chiudi();
  return c.y + c.h + 40;
}

}  // namespace scenario::tool
