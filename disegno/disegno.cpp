#include "disegno/disegno.h"

#include <cmath>

namespace scenario::tool {
namespace {

constexpr const char* kStile =
    "<style>\n"
    "  text { font-family: 'DejaVu Sans', Verdana, sans-serif; font-size: 11px; fill: #222; }\n"
    "  #titolo { font-size: 20px; font-weight: bold; }\n"
    "  .titolo-vista { font-size: 15px; font-weight: bold; }\n"
    "  .etichetta-asse { font-size: 12px; }\n"
    "  .cornice { fill: none; stroke: #444; stroke-width: 1; }\n"
    "  .griglia { stroke: #e4e4e4; stroke-width: 0.6; }\n"
    "  #pianta, .traccia { fill: none; stroke: #1f4e9c; stroke-width: 2.2; stroke-linejoin: round; }\n"
    "  .margine { fill: none; stroke: #999; stroke-width: 1.5; stroke-dasharray: 6 4; }\n"
    "  .curva-destra { fill: none; stroke: #e07b00; stroke-width: 4; stroke-opacity: 0.8; }\n"
    "  .curva-sinistra { fill: none; stroke: #8e2fb8; stroke-width: 4; stroke-opacity: 0.8; }\n"
    "  .tacca-km { stroke: #1f4e9c; stroke-width: 1; }\n"
    "  .km-etichetta { font-size: 10px; fill: #1f4e9c; }\n"
    "  .curva-etichetta { font-size: 9px; fill: #555; }\n"
    "  .inizio { fill: #2a2; stroke: #060; stroke-width: 1; }\n"
    "  .fine { fill: #222; stroke: #000; stroke-width: 1; }\n"
    "  .verso { fill: #1f4e9c; }\n"
    "  .guida { stroke: #888; stroke-width: 0.7; }\n"
    "  .fondo-etichetta { fill: #fff; fill-opacity: 0.85; }\n"
    "  .stazione-ferma { fill: #fff; stroke: #b00; stroke-width: 1.8; }\n"
    "  .stazione-transito { fill: #fff; stroke: #777; stroke-width: 1.2; stroke-dasharray: 2 1.5; }\n"
    "  .nome-ferma { font-weight: bold; fill: #111; }\n"
    "  .nome-transito { font-style: italic; fill: #555; }\n"
    "  .segnale { fill: #0a0; stroke: #050; stroke-width: 0.6; }\n"
    "  .segnale-tipo { font-size: 8px; fill: #050; }\n"
    "  .velocita { fill: none; stroke: #c00; stroke-width: 1.8; }\n"
    "  .velocita-valore { font-size: 10px; fill: #c00; }\n"
    "  .rallentamento { fill: #f90; fill-opacity: 0.35; stroke: #c60; stroke-width: 1; }\n"
    "  .avviso-rallentamento { fill: #f90; stroke: #c60; stroke-width: 0.8; }\n"
    "  .rallentamento-valore { font-size: 10px; fill: #a40; }\n"
    "  .pendenza-su { fill: #c9a06a; stroke: #85602c; stroke-width: 0.6; }\n"
    "  .pendenza-giu { fill: #7fb07a; stroke: #3d6e38; stroke-width: 0.6; }\n"
    "  .pendenza-valore { font-size: 10px; }\n"
    "  .curvatura-destra { fill: #e07b00; fill-opacity: 0.8; }\n"
    "  .curvatura-sinistra { fill: #8e2fb8; fill-opacity: 0.8; }\n"
    "  .zero { stroke: #666; stroke-width: 0.8; }\n"
    "  .montagna { fill: #a87; fill-opacity: 0.2; }\n"
    "  .linea-ferma { stroke: #b00; stroke-width: 0.9; }\n"
    "  .linea-transito { stroke: #888; stroke-width: 0.8; stroke-dasharray: 2 2; }\n"
    "  .cartello { fill: #fff; stroke: #335; stroke-width: 0.8; }\n"
    "  .indicatore { fill: #fd0; stroke: #760; stroke-width: 0.8; }\n"
    "  .indicatore-valore { font-size: 9px; fill: #760; }\n"
    "  .progressiva { font-size: 10px; fill: #53c; }\n"
    "  .cambio-progressiva { stroke: #53c; stroke-width: 1; stroke-dasharray: 6 3; }\n"
    "</style>\n";

// Advance widths of DejaVu Sans in em, by kind of character, rounded up.
double em(unsigned char c) {
  if (c == ' ') return 0.33;
  if (c == 'i' || c == 'l' || c == 'j' || c == '.' || c == ',' || c == ':' || c == '\'' || c == '|') return 0.32;
  if (c >= 'A' && c <= 'Z') return c == 'M' || c == 'W' ? 0.92 : 0.74;
  if (c >= '0' && c <= '9') return 0.64;
  if (c >= 'a' && c <= 'z') return c == 'm' || c == 'w' ? 0.92 : 0.63;
  return 0.7;
}

}  // namespace

std::vector<double> tacche(double da, double a, int quante) {
  if (!std::isfinite(da) || !std::isfinite(a) || !(a > da) || quante < 1) return {da};
  const double grezzo = (a - da) / quante;
  const double potenza = std::pow(10.0, std::floor(std::log10(grezzo)));
  double passo = 10 * potenza;
  for (double f : {1.0, 2.0, 5.0}) {
    if (f * potenza >= grezzo) {
      passo = f * potenza;
      break;
    }
  }
  std::vector<double> out;
  // Each tick is an index times the step, so that rounding never accumulates.
  const double primo = std::ceil(da / passo - 1e-9);
  for (double i = primo; i * passo <= a + passo * 1e-9 && out.size() <= static_cast<size_t>(quante) * 3; ++i) {
    out.push_back(i * passo);
  }
  return out;
}

double larghezza_testo(const std::string& testo, double corpo) {
  double em_totali = 0;
  for (char carattere : testo) {
    const auto c = static_cast<unsigned char>(carattere);
    if ((c & 0xC0) == 0x80) continue;  // a UTF-8 continuation byte: one character already counted
    em_totali += em(c);
  }
  return std::ceil(em_totali * corpo) + 2;
}

void testo_misurato(Svg* svg, double x, double y, const std::string& testo, double corpo, const char* classe) {
  svg->testo("text", {{"class", classe}, {"x", numero_svg(x)}, {"y", numero_svg(y)},
                      {"textLength", numero_svg(larghezza_testo(testo, corpo) - 2)}, {"lengthAdjust", "spacingAndGlyphs"}},
             testo);
}

std::string disegna_percorso(const Elementi& elementi, const std::vector<Cella>& celle, const PuntiTracciato* tracciato) {
  return disegna_percorso(leggi_percorso(elementi, celle, tracciato));
}

std::string disegna_percorso(const Percorso& p) {
  Svg corpo;
  corpo.testo("text", {{"id", "titolo"}, {"x", numero_svg(kMargineSinistro)}, {"y", "34"}},
              "Line " + p.linea + ", train " + p.treno);
  double y = 60;
  if (!p.traccia.empty() || !p.margine.empty()) y = disegna_pianta(p, y, &corpo) + 30;
  y = disegna_profilo(p, y, &corpo) + 20;

  const std::string larghezza = numero_svg(kLarghezza);
  const std::string altezza = numero_svg(std::ceil(y));
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + larghezza + "\" height=\"" + altezza +
         "\" viewBox=\"0 0 " + larghezza + " " + altezza + "\">\n" + kStile +
         "<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>\n" + corpo.documento() + "</svg>\n";
}

}  // namespace scenario::tool
