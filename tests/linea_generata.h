// A line and a train of any length up to the longest the format allows,
// generated to a fixed pattern: every kilometre a curve and a gradient
// change, every 2.5 km a signal, every 10 km a speed indicator, a signpost and
// (up to the model's room) a station, every 12.5 km a mountain section. Both
// compile without a fault; they serve the timing scripts and the tests that
// need a long line.
#pragma once

#include <cstdint>
#include <string>

namespace scenario::test {

// Line length in metres: at most 1000000.
std::string linea_generata(int32_t lunghezza);
std::string treno_generato(int32_t lunghezza);

}  // namespace scenario::test
