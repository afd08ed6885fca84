// The profile view: what the cells say along the line, against position in
// km. A speed strip (the limit as a step line, signal marks, station stops
// named above it), a gradient strip (a band around level) and, across both,
// the mountain sections, kilometre-post systems and the end of the line.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "tool/disegno.h"
#include "tool/testo.h"

namespace scenario::tool {
namespace {

constexpr double kTitolo = 28;         // px for the view's title
constexpr double kFasciaNomi = 130;    // px above the speed strip for station names
constexpr double kAltezzaVelocita = 220;
constexpr double kCorsia = 28;         // px between the strips, for kilometre-post labels
constexpr double kAltezzaPendenza = 130;
constexpr double kMetriCella = 50;

struct Scala {
  double origine_x = kMargineSinistro;
  double px_per_km = 1;
  double alto_velocita = 0, zero_velocita = 0, px_per_kmh = 1;
  double alto_pendenza = 0, zero_pendenza = 0, px_per_permille = 1;
  double km_fine = 1;  // right end of the axis
  double px(double metri) const { return origine_x + px_per_km * metri / 1000; }
  double pv(double kmh) const { return zero_velocita - px_per_kmh * kmh; }
  double pp(double permille) const { return zero_pendenza - px_per_permille * permille; }
  double basso_velocita() const { return alto_velocita + kAltezzaVelocita; }
  double basso_pendenza() const { return alto_pendenza + kAltezzaPendenza; }
};

int kmh(const Cella& c) { return c.velocita * 5; }

// A cell with pendenza 0 was never given a gradient: it is drawn level.
int permille(const Cella& c) { return c.pendenza == 0 ? 0 : c.pendenza - 100; }

// Runs of cells with equal values: cells [da, a).
struct Tratto {
  size_t da, a;
  int valore;
};

std::vector<Tratto> tratti(const std::vector<Cella>& celle, const std::function<int(const Cella&)>& campo) {
  std::vector<Tratto> out;
  for (size_t k = 0; k < celle.size(); ++k) {
    const int v = campo(celle[k]);
    if (out.empty() || out.back().valore != v) out.push_back({k, k + 1, v});
    out.back().a = k + 1;
  }
  return out;
}

Scala scala(const std::vector<Cella>& celle, double alto) {
  Scala s;
  s.km_fine = celle.empty() ? 1 : static_cast<double>(celle.size()) * kMetriCella / 1000;
  s.px_per_km = kLarghezzaUtile / s.km_fine;
  int v_max = 0, g_max = 0;
  for (const Cella& c : celle) {
    v_max = std::max(v_max, kmh(c));
    g_max = std::max(g_max, std::abs(permille(c)));
  }
  // Headroom above the highest limit keeps the signal marks clear of the line.
  const double v_cima = std::ceil((v_max + 10) / 20.0) * 20;
  const double g_cima = std::max(5.0, std::ceil(g_max / 5.0) * 5);
  s.alto_velocita = alto + kTitolo + kFasciaNomi;
  s.zero_velocita = s.basso_velocita();
  s.px_per_kmh = kAltezzaVelocita / v_cima;
  s.alto_pendenza = s.basso_velocita() + kCorsia;
  s.zero_pendenza = s.alto_pendenza + kAltezzaPendenza / 2;
  s.px_per_permille = (kAltezzaPendenza / 2 - 6) / g_cima;
  return s;
}

// A line segment; `stile` is its class, or none when empty (the group styles it).
void linea(const std::string& stile, double x1, double y1, double x2, double y2, Svg* svg) {
  Attributi a = {{"x1", numero_svg(x1)}, {"y1", numero_svg(y1)}, {"x2", numero_svg(x2)}, {"y2", numero_svg(y2)}};
  if (!stile.empty()) a.insert(a.begin(), {"class", stile});
  svg->vuoto("line", a);
}

void etichetta_verticale(const std::string& testo, double x, double y, const char* classe, Svg* svg) {
  const std::string sx = numero_svg(x), sy = numero_svg(y);
  svg->testo("text", {{"class", classe}, {"x", sx}, {"y", sy}, {"text-anchor", "middle"},
                      {"transform", "rotate(-90 " + sx + " " + sy + ")"}},
             testo);
}

// The two strips' frames and value axes, and the kilometre axis below.
void assi(const Scala& s, Svg* svg) {
  const double sinistra = kMargineSinistro, destra = kMargineSinistro + kLarghezzaUtile;
  svg->apri("g", {{"class", "assi"}});
  for (double v : tacche(0, (s.zero_velocita - s.alto_velocita) / s.px_per_kmh, 8)) {
    linea("griglia", sinistra, s.pv(v), destra, s.pv(v), svg);
    svg->testo("text", {{"x", numero_svg(sinistra - 6)}, {"y", numero_svg(s.pv(v) + 4)}, {"text-anchor", "end"}},
               numero_svg(v));
  }
  const double g_cima = (s.zero_pendenza - s.alto_pendenza) / s.px_per_permille;
  for (double g : tacche(-g_cima, g_cima, 6)) {
    linea("griglia", sinistra, s.pp(g), destra, s.pp(g), svg);
    svg->testo("text", {{"x", numero_svg(sinistra - 6)}, {"y", numero_svg(s.pp(g) + 4)}, {"text-anchor", "end"}},
               numero_svg(g));
  }
  for (double km : tacche(0, s.km_fine, 22)) {
    linea("griglia", s.px(km * 1000), s.alto_velocita, s.px(km * 1000), s.basso_pendenza(), svg);
    svg->testo("text", {{"x", numero_svg(s.px(km * 1000))}, {"y", numero_svg(s.basso_pendenza() + 14)},
                        {"text-anchor", "middle"}},
               numero_svg(km));
  }
  for (double alto : {s.alto_velocita, s.alto_pendenza}) {
    const double altezza = alto == s.alto_velocita ? kAltezzaVelocita : kAltezzaPendenza;
    svg->vuoto("rect", {{"class", "cornice"}, {"x", numero_svg(sinistra)}, {"y", numero_svg(alto)},
                        {"width", numero_svg(kLarghezzaUtile)}, {"height", numero_svg(altezza)}});
  }
  etichetta_verticale("speed limit (km/h)", 40, s.alto_velocita + kAltezzaVelocita / 2, "etichetta-asse", svg);
  etichetta_verticale("gradient (per mille)", 40, s.alto_pendenza + kAltezzaPendenza / 2, "etichetta-asse", svg);
  svg->testo("text", {{"class", "etichetta-asse"}, {"x", numero_svg(sinistra + kLarghezzaUtile / 2)},
                      {"y", numero_svg(s.basso_pendenza() + 32)}, {"text-anchor", "middle"}},
             "position along the line (km)");
  svg->chiudi();
}

void montagne(const std::vector<Cella>& celle, const Scala& s, Svg* svg) {
  for (const Tratto& t : tratti(celle, [](const Cella& c) { return static_cast<int>(c.montagna); })) {
    if (t.valore == 0) continue;
    const double x1 = s.px(static_cast<double>(t.da) * kMetriCella), x2 = s.px(static_cast<double>(t.a) * kMetriCella);
    svg->apri("rect", {{"class", "montagna"}, {"x", numero_svg(x1)}, {"y", numero_svg(s.alto_velocita)},
                       {"width", numero_svg(x2 - x1)}, {"height", numero_svg(s.basso_pendenza() - s.alto_velocita)}});
    svg->testo("title", {}, "mountain section, scenery " + std::to_string(t.valore));
    svg->chiudi();
  }
}

void velocita(const std::vector<Cella>& celle, const Scala& s, Svg* svg) {
  std::vector<std::pair<double, double>> punti;
  for (const Tratto& t : tratti(celle, kmh)) {
    punti.emplace_back(s.px(static_cast<double>(t.da) * kMetriCella), s.pv(t.valore));
    punti.emplace_back(s.px(static_cast<double>(t.a) * kMetriCella), s.pv(t.valore));
  }
  svg->vuoto("polyline", {{"id", "velocita"}, {"points", punti_svg(punti)}});
}

void pendenza(const std::vector<Cella>& celle, const Scala& s, Svg* svg) {
  std::vector<std::pair<double, double>> punti = {{s.px(0), s.pp(0)}};
  for (const Tratto& t : tratti(celle, permille)) {
    punti.emplace_back(s.px(static_cast<double>(t.da) * kMetriCella), s.pp(t.valore));
    punti.emplace_back(s.px(static_cast<double>(t.a) * kMetriCella), s.pp(t.valore));
  }
  punti.emplace_back(s.px(static_cast<double>(celle.size()) * kMetriCella), s.pp(0));
  svg->vuoto("polygon", {{"id", "pendenza"}, {"points", punti_svg(punti)}});
  linea("zero", kMargineSinistro, s.pp(0), kMargineSinistro + kLarghezzaUtile, s.pp(0), svg);
}

}  // namespace

namespace {

void fermate(const Elementi& elementi, const std::vector<Cella>& celle, const Scala& s, Svg* svg) {
  for (size_t k = 0; k < celle.size(); ++k) {
    if (celle[k].tipo != kStazione) continue;
    const double x = s.px(static_cast<double>(k) * kMetriCella);
    svg->apri("g", {{"class", "fermata"}});
    linea("", x, s.alto_velocita, x, s.basso_pendenza(), svg);
    const int riga = celle[k].valore_a;
    if (riga >= kPrimaStazione && riga <= kPrimoCartello) {
      const std::string sx = numero_svg(x + 3), sy = numero_svg(s.alto_velocita - 4);
      svg->testo("text", {{"x", sx}, {"y", sy}, {"transform", "rotate(-90 " + sx + " " + sy + ")"}},
                 utf8(elementi[static_cast<size_t>(riga)].testo));
    }
    svg->chiudi();
  }
}

void segnali(const std::vector<Cella>& celle, const Scala& s, Svg* svg) {
  const std::string alto = numero_svg(s.alto_velocita + 1), punta = numero_svg(s.alto_velocita + 9);
  for (size_t k = 0; k < celle.size(); ++k) {
    if (celle[k].tipo != kSegnale) continue;
    const double x = s.px(static_cast<double>(k) * kMetriCella);
    svg->apri("g", {{"class", "segnale"}});
    svg->vuoto("path", {{"d", "M" + numero_svg(x - 4) + " " + alto + "L" + numero_svg(x + 4) + " " + alto + "L" +
                                  numero_svg(x) + " " + punta + "Z"}});
    svg->testo("title", {}, "signal, cell " + std::to_string(k) + " (" + std::to_string(50 * k) + " m)");
    svg->chiudi();
  }
}

// A mark across both strips at `metri`, named in the lane between them.
void segno_trasversale(const char* classe, double metri, const std::string& nome, const Scala& s, Svg* svg) {
  const double x = s.px(metri);
  svg->apri("g", {{"class", classe}});
  linea("", x, s.alto_velocita, x, s.basso_pendenza(), svg);
  svg->testo("text", {{"x", numero_svg(x + 3)}, {"y", numero_svg(s.basso_velocita() + 18)}}, nome);
  svg->chiudi();
}

// Rows 81 to 83 in use: where each kilometre-post system begins, with the
// kilometre it starts from (a decreasing system's value carries 100 extra).
void progressive(const Elementi& elementi, const Scala& s, Svg* svg) {
  for (int riga : {kRigaProgressivaUno, kRigaProgressivaDue, kRigaProgressivaTre}) {
    const Elemento& r = elementi[static_cast<size_t>(riga)];
    if (r.dato1 == 0 && r.dato2 == 0) continue;
    if (r.dato1 < 0 || r.dato1 > s.km_fine * 1000) continue;
    const bool decrescente = r.dato3 == 1;
    const double km = static_cast<double>(static_cast<int64_t>(r.dato2) - (decrescente ? 100 : 0)) / 1000;
    char testo[80];
    std::snprintf(testo, sizeof testo, "km %.3f, %s", km, decrescente ? "decreasing" : "increasing");
    segno_trasversale("progressiva", r.dato1, testo, s, svg);
  }
}

void fine_linea(const Elementi& elementi, const Scala& s, Svg* svg) {
  const int32_t lunghezza = elementi[kRigaValoriCorsa].dato2;
  if (lunghezza > 0 && lunghezza <= s.km_fine * 1000) segno_trasversale("fine-linea", lunghezza, "end of line", s, svg);
}

void legenda(double y, Svg* svg) {
  struct Voce {
    const char* nome;
    const char* colore;
    bool riempito;
  };
  static const Voce kVoci[] = {{"speed limit", "#c00", false},       {"gradient", "#7a5", true},
                               {"mountain section", "#dccbc6", true}, {"station stop", "#b00", false},
                               {"signal", "#0a0", true},             {"kilometre-post system", "#53c", false}};
  svg->apri("g", {{"class", "legenda"}});
  double x = kMargineSinistro;
  for (const Voce& v : kVoci) {
    const std::string sy = numero_svg(y - 9);
    if (v.riempito) {
      svg->vuoto("rect", {{"x", numero_svg(x)}, {"y", sy}, {"width", "18"}, {"height", "10"}, {"fill", v.colore}});
    } else {
      svg->vuoto("line", {{"x1", numero_svg(x)}, {"y1", numero_svg(y - 4)}, {"x2", numero_svg(x + 18)},
                          {"y2", numero_svg(y - 4)}, {"stroke", v.colore}, {"stroke-width", "2"}});
    }
    svg->testo("text", {{"x", numero_svg(x + 24)}, {"y", numero_svg(y)}}, v.nome);
    x += 190;
  }
  svg->chiudi();
}

}  // namespace

double disegna_profilo(const Elementi& elementi, const std::vector<Cella>& celle, double alto, Svg* svg) {
  const Scala s = scala(celle, alto);
  svg->apri("g", {{"id", "vista-profilo"},
                  {"data-origine-x", numero_svg(s.origine_x, 12)},
                  {"data-px-per-km", numero_svg(s.px_per_km, 12)},
                  {"data-zero-velocita", numero_svg(s.zero_velocita, 12)},
                  {"data-px-per-kmh", numero_svg(s.px_per_kmh, 12)},
                  {"data-zero-pendenza", numero_svg(s.zero_pendenza, 12)},
                  {"data-px-per-permille", numero_svg(s.px_per_permille, 12)}});
  svg->testo("text", {{"class", "titolo-vista"}, {"x", numero_svg(kMargineSinistro)}, {"y", numero_svg(alto + 18)}},
             "Profile");
  montagne(celle, s, svg);
  assi(s, svg);
  pendenza(celle, s, svg);
  fermate(elementi, celle, s, svg);
  progressive(elementi, s, svg);
  fine_linea(elementi, s, svg);
  velocita(celle, s, svg);
  segnali(celle, s, svg);
  legenda(s.basso_pendenza() + 56, svg);
  svg->chiudi();
  return s.basso_pendenza() + 64;
}

}  // namespace scenario::tool
