// The route picture: the plan and the profile of a compiled scenario, drawn
// as one SVG document from the decoded table, cells and track plan.
//
// Each view is a group that states its own scale in data- attributes, so that
// a reader of the picture can turn any drawn point back into route units:
//   plan, <g id="vista-pianta">: pixel x = data-origine-x + data-scala * x,
//     pixel y = data-origine-y - data-scala * y (metres; north, the plan's y, up);
//   profile, <g id="vista-profilo">: pixel x = data-origine-x + data-px-per-km * km,
//     speed pixel y = data-zero-velocita - data-px-per-kmh * km/h,
//     gradient pixel y = data-zero-pendenza - data-px-per-permille * per mille.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/modello.h"
#include "tool/svg.h"

namespace scenario::tool {

// The whole picture; without a plan (null or empty) the profile alone.
std::string disegna_percorso(const Elementi& elementi, const std::vector<Cella>& celle, const Tracciato* tracciato);

// ---- shared by the views ----

constexpr double kLarghezza = 1600;        // the picture, px
constexpr double kMargineSinistro = 100;   // room for the vertical axis labels
constexpr double kMargineDestro = 60;
constexpr double kLarghezzaUtile = kLarghezza - kMargineSinistro - kMargineDestro;

struct Stazione {
  std::string nome;    // UTF-8
  int32_t posizione;   // metres (dato3)
};

// The station rows: row 1 upward while a row has a name.
std::vector<Stazione> stazioni(const Elementi& elementi);

// Round tick values in [da, a]: a step of 1, 2 or 5 times a power of ten that
// gives at most about `quante` ticks.
std::vector<double> tacche(double da, double a, int quante);

// Each view draws itself from `alto` down and returns the y just below it.
double disegna_pianta(const Elementi& elementi, const std::vector<Cella>& celle, const Tracciato& tracciato,
                      double alto, Svg* svg);
double disegna_profilo(const Elementi& elementi, const std::vector<Cella>& celle, double alto, Svg* svg);

}  // namespace scenario::tool
