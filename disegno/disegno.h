// The route picture: the plan and the profile of a compiled scenario, drawn
// as one SVG document from what leggi_percorso() takes out of the files.
//
// Each view is a group that states its own scale in data- attributes, so that
// a reader of the picture can turn any drawn point back into route units:
//   plan, <g id="vista-pianta">: pixel x = data-origine-x + data-scala * x,
//     pixel y = data-origine-y - data-scala * y (metres; north, the plan's y, up);
//   profile, <g id="vista-profilo">: pixel x = data-origine-x + data-px-per-km * km,
//     speed pixel y = data-zero-velocita - data-px-per-kmh * km/h,
//     gradient pixel y = data-zero-pendenza - data-px-per-permille * per mille.
// Every placed label is a <g class="etichetta"> whose data-riquadro gives its
// box ("x y w h", px), so that its placement can be checked from the picture.
#pragma once

#include <string>
#include <vector>

#include "disegno/percorso.h"
#include "disegno/svg.h"
#include "model/modello.h"

namespace scenario::tool {

// The whole picture; without a plan (null or empty) the profile alone.
std::string disegna_percorso(const Elementi& elementi, const std::vector<Cella>& celle, const PuntiTracciato* tracciato);
std::string disegna_percorso(const Percorso& percorso);

// ---- shared by the views ----

constexpr double kLarghezza = 1600;        // the picture, px
constexpr double kMargineSinistro = 110;   // room for the vertical axis labels
constexpr double kMargineDestro = 50;
constexpr double kLarghezzaUtile = kLarghezza - kMargineSinistro - kMargineDestro;

// Round tick values in [da, a]: a step of 1, 2 or 5 times a power of ten that
// gives at most about `quante` ticks.
std::vector<double> tacche(double da, double a, int quante);

// The width in px of a text in the picture's sans-serif face at `corpo` px,
// a little generous so that a label's box holds it; labels are drawn with
// exactly this length.
double larghezza_testo(const std::string& utf8, double corpo);

// A text whose width is pinned to its box: the box reserved for it is then
// the box it takes on any renderer.
void testo_misurato(Svg* svg, double x, double y, const std::string& testo, double corpo, const char* classe);

// Each view draws itself from `alto` down and returns the y just below it.
double disegna_pianta(const Percorso& p, double alto, Svg* svg);
double disegna_profilo(const Percorso& p, double alto, Svg* svg);

}  // namespace scenario::tool
