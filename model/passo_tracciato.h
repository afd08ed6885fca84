// One metre of the track plan, drawn from the two rows before it. The steps are
// evaluated in 64-bit floating point in exactly this order, without contraction:
// the plan's bytes depend on it.
#pragma once

#include <array>

namespace scenario {

// The curvature of a curve entry, from the digit of its key; the digits are
// searched in this order.
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

struct PuntoPiano {
  double x;
  double y;
};

// Row c continues the direction of rows c-2 (x2, y2) and c-1 (x1, y1). It is
// not the curved step with k = 0: adding k * dy = -0.0 could change the sign
// of a zero coordinate.
inline PuntoPiano passo_dritto(double x2, double y2, double x1, double y1) {
  return {x1 + (x1 - x2), y1 + (y1 - y2)};
}

// Row c turns the direction by about k radians (k > 0 to the right, x drawn to
// the right of y). The step is not renormalised: its length grows by the
// factor sqrt(1 + k*k) at each curved metre.
inline PuntoPiano passo_curvo(double x2, double y2, double x1, double y1, double k) {
  const double dx = x1 - x2;
  const double dy = y1 - y2;
  return {(x1 + dx) + k * dy, (y1 + dy) - k * dx};
}

}  // namespace scenario
