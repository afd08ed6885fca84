// The profile view: what lies along the line, against position in km, from
// the start to the line's end (the margin after it is not run and not drawn).
// From the top: station names with their times; the speed strip (the limit as
// a step line with its values, slowdowns, signals with their kind, speed
// indicators); a lane of signposts; the gradient band with its per-mille
// values; the curvature band; the km axis with the kilometre posts below it.
// Mountain sections shade all the strips; a legend closes the picture.
#include <algorithm>
#include <cmath>

#include "disegno/disegno.h"

namespace scenario::tool {
namespace {

constexpr double kTitolo = 28;
constexpr double kFasciaNomi = 200;   // px above the speed strip for station names
constexpr double kAltezzaVelocita = 200;
constexpr double kCorsiaCartelli = 34;  // signposts above, kilometre-post changes below
constexpr double kAltezzaPendenza = 110;
constexpr double kSpazio = 8;
constexpr double kAltezzaCurvatura = 56;
constexpr double kAsse = 52;          // km labels, then kilometre posts

struct Scala {
  double origine_x = kMargineSinistro, px_per_km = 1, km_fine = 1;
  double alto_velocita = 0, zero_velocita = 0, px_per_kmh = 1;
  double alto_cartelli = 0;
  double alto_pendenza = 0, zero_pendenza = 0, px_per_permille = 1;
  double alto_curvatura = 0, zero_curvatura = 0, px_per_curvatura = 1;  // curvature in 1/km
  double px(double metri) const { return origine_x + px_per_km * metri / 1000; }
  double pv(double kmh) const { return zero_velocita - px_per_kmh * kmh; }
  double pp(double permille) const { return zero_pendenza - px_per_permille * permille; }
  double basso_velocita() const { return alto_velocita + kAltezzaVelocita; }
  double basso_pendenza() const { return alto_pendenza + kAltezzaPendenza; }
  double basso_curvatura() const { return alto_curvatura + kAltezzaCurvatura; }
};

Scala scala(const Percorso& p, double alto) {
  Scala s;
  s.km_fine = p.lunghezza > 0 ? static_cast<double>(p.lunghezza) / 1000 : 1;
  s.px_per_km = kLarghezzaUtile / s.km_fine;
  int v_max = 0, g_max = 0;
  for (const TrattoCostante& t : p.velocita) v_max = std::max(v_max, t.valore);
  for (const TrattoCostante& t : p.pendenza) g_max = std::max(g_max, std::abs(t.valore));
  double c_max = 0;
  for (const CurvaPercorso& c : p.curve) {
    if (std::isfinite(c.raggio) && c.raggio > 0) c_max = std::max(c_max, 1000 / c.raggio);
  }
  // Headroom above the highest limit keeps the value labels and signal marks clear.
  const double v_cima = std::ceil((v_max + 25) / 20.0) * 20;
  const double g_cima = std::max(5.0, std::ceil(g_max / 5.0) * 5);
  s.alto_velocita = alto + kTitolo + kFasciaNomi;
  s.zero_velocita = s.basso_velocita();
  s.px_per_kmh = kAltezzaVelocita / v_cima;
  s.alto_cartelli = s.basso_velocita();
  s.alto_pendenza = s.alto_cartelli + kCorsiaCartelli;
  s.zero_pendenza = s.alto_pendenza + kAltezzaPendenza / 2;
  s.px_per_permille = (kAltezzaPendenza / 2 - 12) / g_cima;
  s.alto_curvatura = s.basso_pendenza() + kSpazio;
  s.zero_curvatura = s.alto_curvatura + kAltezzaCurvatura / 2;
  s.px_per_curvatura = c_max > 0 ? (kAltezzaCurvatura / 2 - 2) / c_max : 1;
  return s;
}

void linea(const char* classe, double x1, double y1, double x2, double y2, Svg* svg) {
  svg->vuoto("line", {{"class", classe}, {"x1", numero_svg(x1)}, {"y1", numero_svg(y1)}, {"x2", numero_svg(x2)},
                      {"y2", numero_svg(y2)}});
}

void rettangolo(const char* classe, double x, double y, double w, double h, const std::string& titolo, Svg* svg) {
  svg->apri("rect", {{"class", classe}, {"x", numero_svg(x)}, {"y", numero_svg(std::min(y, y + h))},
                     {"width", numero_svg(std::max(w, 0.0))}, {"height", numero_svg(std::abs(h))}});
  if (!titolo.empty()) svg->testo("title", {}, titolo);
  svg->chiudi();
}

void testo(const char* classe, double x, double y, const std::string& t, Svg* svg, const char* ancora = "middle") {
  svg->testo("text", {{"class", classe}, {"x", numero_svg(x)}, {"y", numero_svg(y)}, {"text-anchor", ancora}}, t);
}

void testo_verticale(const char* classe, double x, double y, const std::string& t, Svg* svg) {
  const std::string sx = numero_svg(x), sy = numero_svg(y);
  svg->testo("text", {{"class", classe}, {"x", sx}, {"y", sy}, {"transform", "rotate(-90 " + sx + " " + sy + ")"}}, t);
}

std::string dove(const Percorso& p, double metri) {
  return numero_svg(metri) + " m, " + p.testo_progressiva(metri);
}

void assi(const Percorso& p, const Scala& s, Svg* svg) {
  const double sinistra = kMargineSinistro, destra = kMargineSinistro + kLarghezzaUtile;
  svg->apri("g", {{"class", "assi"}});
  for (double v : tacche(0, (s.zero_velocita - s.alto_velocita) / s.px_per_kmh, 8)) {
    linea("griglia", sinistra, s.pv(v), destra, s.pv(v), svg);
    testo("", sinistra - 6, s.pv(v) + 4, numero_svg(v), svg, "end");
  }
  const double g_cima = (s.zero_pendenza - s.alto_pendenza - 12) / s.px_per_permille;
  for (double g : tacche(-g_cima, g_cima, 4)) {
    linea("griglia", sinistra, s.pp(g), destra, s.pp(g), svg);
    testo("", sinistra - 6, s.pp(g) + 4, numero_svg(g), svg, "end");
  }
  const double basso = s.basso_curvatura();
  for (double km : tacche(0, s.km_fine, 22)) {
    linea("griglia", s.px(km * 1000), s.alto_velocita, s.px(km * 1000), basso, svg);
    testo("", s.px(km * 1000), basso + 14, numero_svg(km), svg);
  }
  // Kilometre posts: as many as fit, one label at least 70 px from the next.
  double ultimo = -1e9;
  for (const auto& [metri, km] : p.posti_km()) {
    const double x = s.px(metri);
    linea("tacca-km", x, basso, x, basso + 4, svg);
    if (x - ultimo < 70 || x > destra + 1) continue;
    testo("progressiva", x, basso + 32, "km " + std::to_string(km), svg);
    ultimo = x;
  }
  for (const auto& [alto, altezza] : {std::pair{s.alto_velocita, kAltezzaVelocita},
                                      std::pair{s.alto_pendenza, kAltezzaPendenza},
                                      std::pair{s.alto_curvatura, kAltezzaCurvatura}}) {
    svg->vuoto("rect", {{"class", "cornice"}, {"x", numero_svg(sinistra)}, {"y", numero_svg(alto)},
                        {"width", numero_svg(kLarghezzaUtile)}, {"height", numero_svg(altezza)}});
  }
  linea("zero", sinistra, s.pp(0), destra, s.pp(0), svg);
  linea("zero", sinistra, s.zero_curvatura, destra, s.zero_curvatura, svg);
  testo_verticale("etichetta-asse", 40, s.alto_velocita + kAltezzaVelocita / 2 + 50, "speed limit (km/h)", svg);
  testo_verticale("etichetta-asse", 40, s.alto_pendenza + kAltezzaPendenza / 2 + 45, "gradient (\xE2\x80\xB0)", svg);
  testo("etichetta-asse", 60, s.zero_curvatura - 16, "curves", svg);
  testo("", 60, s.zero_curvatura - 4, "right \xE2\x86\x91", svg);
  testo("", 60, s.zero_curvatura + 12, "left \xE2\x86\x93", svg);
  testo("etichetta-asse", sinistra - 6, basso + 14, "km", svg, "end");
  testo("etichetta-asse", sinistra - 6, basso + 32, "posts", svg, "end");
  svg->chiudi();
}

void montagne(const Percorso& p, const Scala& s, Svg* svg) {
  svg->apri("g", {{"id", "montagne"}});
  for (const TrattoCostante& t : p.montagna) {
    const double x1 = s.px(static_cast<double>(t.da)), x2 = s.px(static_cast<double>(t.a));
    rettangolo("montagna", x1, s.alto_velocita, x2 - x1, s.basso_curvatura() - s.alto_velocita,
               "mountain section, scenery " + std::to_string(t.valore) + ", " + dove(p, static_cast<double>(t.da)) +
                   " to " + dove(p, static_cast<double>(t.a)),
               svg);
  }
  svg->chiudi();
}

void velocita(const Percorso& p, const Scala& s, Svg* svg) {
  std::vector<std::pair<double, double>> punti;
  svg->apri("g", {{"id", "limiti"}});
  for (const TrattoCostante& t : p.velocita) {
    const double x1 = s.px(static_cast<double>(t.da)), x2 = s.px(static_cast<double>(t.a));
    punti.emplace_back(x1, s.pv(t.valore));
    punti.emplace_back(x2, s.pv(t.valore));
    if (x2 - x1 >= 24) testo("velocita-valore", (x1 + x2) / 2, s.pv(t.valore) - 4, std::to_string(t.valore), svg);
  }
  svg->vuoto("polyline", {{"id", "velocita"}, {"class", "velocita"}, {"points", punti_svg(punti)}});
  svg->chiudi();
}

void rallentamenti(const Percorso& p, const Scala& s, Svg* svg) {
  svg->apri("g", {{"id", "rallentamenti"}});
  for (const RallentamentoPercorso& r : p.rallentamenti) {
    const double x1 = s.px(static_cast<double>(r.inizio)), x2 = std::max(s.px(static_cast<double>(r.fine)), x1 + 2);
    const std::string cosa = "slowdown to " + std::to_string(r.velocita) + " km/h, " +
                             std::to_string(r.fine - r.inizio) + " m from " + dove(p, static_cast<double>(r.inizio));
    rettangolo("rallentamento", x1, s.pv(std::max(r.velocita, 0)), x2 - x1, s.zero_velocita - s.pv(std::max(r.velocita, 0)),
               cosa, svg);
    testo("rallentamento-valore", x1, s.pv(std::max(r.velocita, 0)) - 4,
          std::to_string(r.velocita) + " (" + std::to_string(r.fine - r.inizio) + " m)", svg, "start");
    if (r.avviso >= 0) {
      const double x = s.px(static_cast<double>(r.avviso)), y = s.zero_velocita;
      svg->apri("path", {{"class", "avviso-rallentamento"},
                         {"d", "M" + numero_svg(x) + " " + numero_svg(y - 12) + "L" + numero_svg(x + 5) + " " +
                                   numero_svg(y - 2) + "L" + numero_svg(x - 5) + " " + numero_svg(y - 2) + "Z"}});
      svg->testo("title", {}, "warning board of the slowdown, " + dove(p, static_cast<double>(r.avviso)));
      svg->chiudi();
    }
  }
  svg->chiudi();
}

void pendenze(const Percorso& p, const Scala& s, Svg* svg) {
  svg->apri("g", {{"id", "pendenze"}});
  for (const TrattoCostante& t : p.pendenza) {
    if (t.valore == 0) continue;
    const double x1 = s.px(static_cast<double>(t.da)), x2 = s.px(static_cast<double>(t.a));
    rettangolo(t.valore > 0 ? "pendenza-su" : "pendenza-giu", x1, s.pp(0), x2 - x1, s.pp(t.valore) - s.pp(0),
               "gradient " + std::to_string(t.valore) + " \xE2\x80\xB0, " + dove(p, static_cast<double>(t.da)) + " to " +
                   dove(p, static_cast<double>(t.a)),
               svg);
    if (x2 - x1 >= 16) {
      const double y = t.valore > 0 ? s.pp(t.valore) - 3 : s.pp(t.valore) + 11;
      testo("pendenza-valore", (x1 + x2) / 2, y, (t.valore > 0 ? "+" : "") + std::to_string(t.valore), svg);
    }
  }
  svg->chiudi();
}

void curvature(const Percorso& p, const Scala& s, Svg* svg) {
  svg->apri("g", {{"id", "curvature"}});
  for (const CurvaPercorso& c : p.curve) {
    if (!std::isfinite(c.raggio) || c.raggio <= 0) continue;
    const double x1 = s.px(static_cast<double>(c.da)), x2 = std::max(s.px(static_cast<double>(c.a)), x1 + 1);
    const double h = s.px_per_curvatura * 1000 / c.raggio;
    const bool destra = c.angolo > 0;
    rettangolo(destra ? "curvatura-destra" : "curvatura-sinistra", x1, s.zero_curvatura, x2 - x1, destra ? -h : h,
               std::string(destra ? "right" : "left") + " curve, radius " + numero_svg(std::round(c.raggio)) + " m, " +
                   numero_svg(std::abs(c.angolo), 1) + "\xC2\xB0, " + dove(p, static_cast<double>(c.da)) + " to " +
                   dove(p, static_cast<double>(c.a)),
               svg);
    if (x2 - x1 >= 30) {
      testo("curva-etichetta", (x1 + x2) / 2, destra ? s.zero_curvatura + 11 : s.zero_curvatura - 4,
            "R " + numero_svg(std::round(c.raggio)), svg);
    }
  }
  svg->chiudi();
}

void stazioni(const Percorso& p, const Scala& s, Svg* svg) {
  svg->apri("g", {{"id", "stazioni-profilo"}});
  for (const StazionePercorso& st : p.stazioni) {
    const double metri = static_cast<double>(st.posizione);
    if (metri < 0 || metri > static_cast<double>(p.lunghezza)) continue;
    const double x = s.px(metri);
    const std::string orario = testo_orario(st.orario);
    svg->apri("g", {{"class", st.ferma ? "fermata" : "transito"}});
    linea(st.ferma ? "linea-ferma" : "linea-transito", x, s.alto_velocita - 6, x, s.basso_curvatura(), svg);
    svg->vuoto("circle", {{"class", st.ferma ? "stazione-ferma" : "stazione-transito"}, {"cx", numero_svg(x)},
                          {"cy", numero_svg(s.alto_velocita - 6)}, {"r", "3.5"}});
    testo_verticale(st.ferma ? "nome-ferma" : "nome-transito", x + 4, s.alto_velocita - 14,
                    st.nome + (orario.empty() ? "" : "  " + orario), svg);
    svg->testo("title", {}, st.nome + (st.ferma ? ", stop" : ", no stop") + (orario.empty() ? "" : " at " + orario) +
                                ", " + dove(p, metri));
    svg->chiudi();
  }
  svg->chiudi();
}

void segnali(const Percorso& p, const Scala& s, Svg* svg) {
  svg->apri("g", {{"id", "segnali-profilo"}});
  const double y = s.alto_velocita + 1;
  double ultimo = -1e9;
  for (const SegnalePercorso& g : p.segnali) {
    const double metri = static_cast<double>(g.posizione);
    if (metri < 0 || metri > static_cast<double>(p.lunghezza)) continue;
    const double x = s.px(metri);
    svg->apri("g", {{"class", "segnale-profilo"}, {"data-metri", numero_svg(metri)}});
    svg->vuoto("path", {{"class", "segnale"}, {"d", "M" + numero_svg(x - 4) + " " + numero_svg(y) + "L" + numero_svg(x + 4) +
                                                        " " + numero_svg(y) + "L" + numero_svg(x) + " " + numero_svg(y + 9) + "Z"}});
    if (x - ultimo >= 14) {
      testo("segnale-tipo", x, y + 18, std::to_string(g.sinistra) + (g.destra != 0 ? "/" + std::to_string(g.destra) : ""), svg);
      ultimo = x;
    }
    svg->testo("title", {}, "signal, kind " + std::to_string(g.sinistra) + " left, " + std::to_string(g.destra) +
                                " right, settings " + std::to_string(g.valore_a) + " " + std::to_string(g.valore_b) +
                                " " + std::to_string(g.valore_c) + ", " + dove(p, metri));
    svg->chiudi();
  }
  svg->chiudi();
}

void cartelli_e_indicatori(const Percorso& p, const Scala& s, Svg* svg) {
  svg->apri("g", {{"id", "cartelli"}});
  for (const CartelloPercorso& c : p.cartelli) {
    const double metri = static_cast<double>(c.posizione);
    if (metri < 0 || metri > static_cast<double>(p.lunghezza)) continue;
    rettangolo("cartello", s.px(metri) - 2.5, s.alto_cartelli + 4, 5, 8, "signpost \"" + c.testo + "\", " + dove(p, metri), svg);
  }
  svg->chiudi();
  svg->apri("g", {{"id", "indicatori"}});
  double ultimo = -1e9;
  for (const IndicatorePercorso& i : p.indicatori) {
    const double metri = static_cast<double>(i.posizione);
    if (metri < 0 || metri > static_cast<double>(p.lunghezza)) continue;
    const double x = s.px(metri), y = s.zero_velocita - 22;
    svg->apri("path", {{"class", "indicatore"}, {"d", "M" + numero_svg(x) + " " + numero_svg(y - 6) + "L" + numero_svg(x + 5) +
                                                          " " + numero_svg(y) + "L" + numero_svg(x) + " " + numero_svg(y + 6) +
                                                          "L" + numero_svg(x - 5) + " " + numero_svg(y) + "Z"}});
    svg->testo("title", {}, "speed indicator A/B/C " + std::to_string(i.sinistra[0]) + "/" + std::to_string(i.sinistra[1]) +
                                "/" + std::to_string(i.sinistra[2]) + " km/h, " + dove(p, metri));
    svg->chiudi();
    // A value only where it clears the one before.
    if (x - ultimo >= 22) {
      testo("indicatore-valore", x, y + 16, std::to_string(i.sinistra[0]), svg);
      ultimo = x;
    }
  }
  svg->chiudi();
}

// Where each kilometre-post system after the first begins.
void cambi_progressiva(const Percorso& p, const Scala& s, Svg* svg) {
  for (const SistemaProgressive& sp : p.progressive) {
    const double metri = static_cast<double>(sp.inizio);
    if (metri <= 0 || metri > static_cast<double>(p.lunghezza)) continue;
    const double x = s.px(metri);
    svg->apri("g", {{"class", "cambio"}});
    linea("cambio-progressiva", x, s.alto_velocita, x, s.basso_curvatura(), svg);
    testo("progressiva", x + 3, s.alto_cartelli + 28, p.testo_progressiva(metri) + (sp.decrescente ? " \xE2\x86\x93" : " \xE2\x86\x91"),
          svg, "start");
    svg->chiudi();
  }
}

// One legend entry per kind of mark, each drawn with the very class it has in the views.
double legenda(double y, bool con_pianta, Svg* svg) {
  struct Voce {
    const char* nome;
    const char* forma;  // "linea", "rett", "cerchio", "tri", "rombo"
    const char* classe;
  };
  static const Voce kPianta[] = {{"track", "linea", "traccia"}, {"beyond the end (not run)", "linea", "margine"},
                                 {"start", "cerchio", "inizio"},       {"km post tick", "tacca", "tacca-km"},
                                 {"right curve", "linea", "curva-destra"}, {"left curve", "linea", "curva-sinistra"}};
  static const Voce kProfilo[] = {
      {"speed limit", "linea", "velocita"},      {"slowdown", "rett", "rallentamento"},
      {"slowdown warning", "tri", "avviso-rallentamento"}, {"signal (kind)", "tri", "segnale"},
      {"speed indicator", "rombo", "indicatore"}, {"signpost", "rett", "cartello"},
      {"stop", "cerchio", "stazione-ferma"},      {"no stop", "cerchio", "stazione-transito"},
      {"uphill", "rett", "pendenza-su"},          {"downhill", "rett", "pendenza-giu"},
      {"mountain", "rett", "montagna"},           {"km-post system begins", "linea", "cambio-progressiva"}};
  svg->apri("g", {{"id", "legenda"}});
  double x = kMargineSinistro;
  auto voce = [&](const Voce& v) {
    const double cx = x + 9, cy = y - 4;
    const std::string forma = v.forma;
    if (forma == "linea") {
      linea(v.classe, x, cy, x + 18, cy, svg);
    } else if (forma == "tacca") {
      linea(v.classe, cx, cy - 5, cx, cy + 5, svg);
    } else if (forma == "rett") {
      svg->vuoto("rect", {{"class", v.classe}, {"x", numero_svg(x + 2)}, {"y", numero_svg(cy - 5)}, {"width", "14"}, {"height", "10"}});
    } else if (forma == "cerchio") {
      svg->vuoto("circle", {{"class", v.classe}, {"cx", numero_svg(cx)}, {"cy", numero_svg(cy)}, {"r", "4.5"}});
    } else if (forma == "tri") {
      svg->vuoto("path", {{"class", v.classe}, {"d", "M" + numero_svg(cx - 5) + " " + numero_svg(cy - 5) + "L" +
                                                         numero_svg(cx + 5) + " " + numero_svg(cy - 5) + "L" + numero_svg(cx) +
                                                         " " + numero_svg(cy + 5) + "Z"}});
    } else {
      svg->vuoto("path", {{"class", v.classe}, {"d", "M" + numero_svg(cx) + " " + numero_svg(cy - 6) + "L" + numero_svg(cx + 5) +
                                                         " " + numero_svg(cy) + "L" + numero_svg(cx) + " " + numero_svg(cy + 6) +
                                                         "L" + numero_svg(cx - 5) + " " + numero_svg(cy) + "Z"}});
    }
    testo("", x + 24, y, v.nome, svg, "start");
    x += 24 + larghezza_testo(v.nome, 11) + 22;
    if (x > kMargineSinistro + kLarghezzaUtile - 160) {
      x = kMargineSinistro;
      y += 20;
    }
  };
  if (con_pianta) {
    for (const Voce& v : kPianta) voce(v);
  }
  for (const Voce& v : kProfilo) voce(v);
  svg->chiudi();
  return x == kMargineSinistro ? y : y + 20;
}

}  // namespace

double disegna_profilo(const Percorso& p, double alto, Svg* svg) {
  const Scala s = scala(p, alto);
  svg->apri("g", {{"id", "vista-profilo"},
                  {"data-origine-x", numero_svg(s.origine_x, 12)},
                  {"data-px-per-km", numero_svg(s.px_per_km, 12)},
                  {"data-zero-velocita", numero_svg(s.zero_velocita, 12)},
                  {"data-px-per-kmh", numero_svg(s.px_per_kmh, 12)},
                  {"data-zero-pendenza", numero_svg(s.zero_pendenza, 12)},
                  {"data-px-per-permille", numero_svg(s.px_per_permille, 12)}});
  svg->testo("text", {{"class", "titolo-vista"}, {"x", numero_svg(kMargineSinistro)}, {"y", numero_svg(alto + 18)}},
             "Profile, " + numero_svg(s.km_fine, 3) + " km from the start to the end of the line");
  montagne(p, s, svg);
  assi(p, s, svg);
  pendenze(p, s, svg);
  curvature(p, s, svg);
  stazioni(p, s, svg);
  cambi_progressiva(p, s, svg);
  rallentamenti(p, s, svg);
  velocita(p, s, svg);
  cartelli_e_indicatori(p, s, svg);
  segnali(p, s, svg);
  svg->chiudi();
  return legenda(s.basso_curvatura() + kAsse + 26, !p.traccia.empty() || !p.margine.empty(), svg) + 10;
}

}  // namespace scenario::tool
