// One metre of the track plan, drawn from the two rows before it. The steps are
// evaluated in 64-bit floating point in exactly this order, without contraction:
// the plan's bytes depend on it.
#pragma once

#include <array>
#include <cstddef>

#include "model/modello.h"

namespace scenario {

// The curvature of a curve entry, from the digit of its key.
struct Curvatura {
  char cifra;
  double k;  // radians per metre
};

inline constexpr std::array<Curvatura, 6> kCurvature{{
    {'1', 0.0001},
    {'2', 0.0002},
    {'3', 0.0004},
    {'4', 0.001},
    {'5', 0.002},
    {'6', 0.003},
}};

// Row c continues the direction of rows c-2 to c-1 (c >= 2, c inside the plan).
void passo_dritto(Tracciato& tracciato, size_t c);

// Row c turns the direction by about k radians (k > 0 to the right, x drawn to
// the right of y). The step is not renormalised: its length grows by the
// factor sqrt(1 + k*k) at each curved metre.
void passo_curvo(Tracciato& tracciato, size_t c, double k);

}  // namespace scenario
