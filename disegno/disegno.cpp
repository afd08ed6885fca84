#include "disegno/disegno.h"

#include <cmath>

#include "disegno/incorporati.h"

namespace scenario::tool {
namespace {

// The palette the viewer page shares, then the picture's own rules.
std::string stile() {
  return "<style>\n" + std::string(kStileTavolozza) + std::string(kStileDisegno) + "</style>\n";
}

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
  // The track's samples are most of a long line's picture, each written at
  // most twice (in the track and in a curve) in a few tens of bytes; room
  // taken and never touched costs nothing.
  corpo.riserva(64 * (p.traccia.size() + p.margine.size()) + (1 << 20));
  corpo.testo("text", {{"id", "titolo"}, {"x", numero_svg(kMargineSinistro)}, {"y", "34"}},
              "Line " + p.linea + ", train " + p.treno);
  double y = 60;
  if (!p.traccia.empty() || !p.margine.empty()) y = disegna_pianta(p, y, &corpo) + 30;
  y = disegna_profilo(p, y, &corpo) + 20;

  const std::string larghezza = numero_svg(kLarghezza);
  const std::string altezza = numero_svg(std::ceil(y));
  const std::string testa = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                            "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + larghezza + "\" height=\"" + altezza +
                            "\" viewBox=\"0 0 " + larghezza + " " + altezza + "\">\n" + stile() +
                            "<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>\n";
  const std::string piede = "</svg>\n";
  // The body is the bulk of a long line's picture: the head goes in front
  // of it in place, within the room taken.
  std::string documento = std::move(corpo).documento();
  documento.insert(0, testa);
  documento += piede;
  return documento;
}

}  // namespace scenario::tool
