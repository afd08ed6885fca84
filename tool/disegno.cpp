#include "tool/disegno.h"

#include <cmath>

#include "tool/testo.h"

namespace scenario::tool {
namespace {

constexpr const char* kStile =
    "<style>\n"
    "  text { font-family: sans-serif; font-size: 11px; fill: #222; }\n"
    "  #titolo { font-size: 20px; font-weight: bold; }\n"
    "  .titolo-vista { font-size: 15px; font-weight: bold; }\n"
    "  .etichetta-asse { font-size: 12px; }\n"
    "  .cornice { fill: none; stroke: #444; stroke-width: 1; }\n"
    "  .griglia { stroke: #ddd; stroke-width: 0.6; }\n"
    "  #pianta { fill: none; stroke: #1f4e9c; stroke-width: 2; stroke-linejoin: round; }\n"
    "  .stazione circle { fill: #fff; stroke: #b00; stroke-width: 1.5; }\n"
    "  .stazione text { font-size: 11px; font-weight: bold; }\n"
    "  .segnale circle, .segnale path { fill: #0a0; stroke: #050; stroke-width: 0.6; }\n"
    "  #velocita { fill: none; stroke: #c00; stroke-width: 1.6; }\n"
    "  #pendenza { fill: #7a5; fill-opacity: 0.6; stroke: #472; stroke-width: 0.6; }\n"
    "  .zero { stroke: #666; stroke-width: 0.8; }\n"
    "  .montagna { fill: #a87; fill-opacity: 0.22; }\n"
    "  .fermata line { stroke: #b00; stroke-width: 0.8; stroke-dasharray: 3 2; }\n"
    "  .fermata text { font-size: 10px; }\n"
    "  .progressiva line, .fine-linea line { stroke: #53c; stroke-width: 1; stroke-dasharray: 6 3; }\n"
    "  .progressiva text, .fine-linea text { font-size: 10px; fill: #53c; }\n"
    "</style>\n";

std::string titolo(const Elementi& e) {
  return "Line " + utf8(e[kRigaLinea].testo) + ", train " + utf8(e[kRigaTreno].testo);
}

}  // namespace

std::vector<Stazione> stazioni(const Elementi& elementi) {
  std::vector<Stazione> out;
  for (int riga = kPrimaStazione; riga <= kPrimoCartello; ++riga) {
    const Elemento& r = elementi[static_cast<size_t>(riga)];
    if (r.testo.empty()) break;
    out.push_back({utf8(r.testo), r.dato3});
  }
  return out;
}

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

std::string disegna_percorso(const Elementi& elementi, const std::vector<Cella>& celle, const Tracciato* tracciato) {
  Svg corpo;
  corpo.testo("text", {{"id", "titolo"}, {"x", numero_svg(kMargineSinistro)}, {"y", "34"}}, titolo(elementi));
  double y = 60;
  if (tracciato != nullptr && tracciato->presente()) y = disegna_pianta(elementi, celle, *tracciato, y, &corpo) + 40;
  y = disegna_profilo(elementi, celle, y, &corpo) + 20;

  const std::string larghezza = numero_svg(kLarghezza);
  const std::string altezza = numero_svg(std::ceil(y));
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + larghezza + "\" height=\"" + altezza +
         "\" viewBox=\"0 0 " + larghezza + " " + altezza + "\">\n" + kStile +
         "<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>\n" + corpo.documento() + "</svg>\n";
}

}  // namespace scenario::tool
