// The sizes of the cell array and the plan, from the line length.
#pragma once

#include <cstdint>

#include "model/griglia.h"

namespace scenario {

// The longest line the compiler takes, in metres.
constexpr int32_t kLunghezzaMassima = 1000000;

// The plan and the cells reach this far beyond the line's end.
constexpr int32_t kMetriOltreLaFine = 7000;

struct Dimensioni {
  int32_t lunghezza_tracciato;  // last row of the plan
  int32_t ultima_cella;         // last cell of the cell array
};

// For a line of `lunghezza` metres (0 to 1000000).
inline Dimensioni dimensioni_linea(int32_t lunghezza) {
  const int32_t tracciato = lunghezza + kMetriOltreLaFine;
  return Dimensioni{tracciato, static_cast<int32_t>(arrotonda(static_cast<double>(tracciato) / kMetriCella))};
}

}  // namespace scenario
