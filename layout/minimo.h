// The smaller of two values; on equal values the first argument.
#pragma once

namespace scenario {

template <typename A, typename B>
auto minimo(A a, B b) {
  using R = decltype(a + b);
  return a > b ? static_cast<R>(b) : static_cast<R>(a);
}

}  // namespace scenario
