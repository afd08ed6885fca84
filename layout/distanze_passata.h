// The distances, in cells, at which the layout pass looks for room for its
// markers. The pass uses them; a report that tells why a marker found no
// room reads the same ones.
#pragma once

#include <array>
#include <cstdint>

namespace scenario {

// A window before a slowdown's start is tried when the start cell lies beyond
// `oltre`; its cells are the given distances before the start, in order of
// preference.
struct Finestra {
  int32_t oltre;
  std::array<int32_t, 3> distanze;
};

inline constexpr std::array<Finestra, 3> kFinestre{{
    {7, {5, 6, 7}},     // 250 to 350 m before the start
    {13, {11, 12, 13}}, // 550 to 650 m
    {20, {18, 19, 20}}, // 900 to 1000 m
}};

// A warning board looks back this many cells (1000 m) for signals.
inline constexpr int32_t kCelleIndietro = 20;
// After a slowdown's end, a signal up to this many cells (600 m) on gets a marker.
inline constexpr int32_t kCelleAvanti = 12;

}  // namespace scenario
