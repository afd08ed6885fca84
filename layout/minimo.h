// The smaller of two values of one type; on equal values the first argument.
#pragma once

namespace scenario {

template <typename T>
T minimo(T a, T b) {
  return a > b ? b : a;
}

}  // namespace scenario
