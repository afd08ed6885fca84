// The track-plan file, encoded while its points are computed: the x column
// from the file's start, the y column from the offset where x ends, which the
// recorded stretches give before any point is computed. The two columns come
// out together, a piece of each at a time, so the whole plan is never held
// in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "model/modello.h"
#include "model/tracciato.h"

namespace scenario {

// Point: tag u16, then nothing (empty), an i16 (integer) or an f64 (float).
constexpr size_t kPuntoVuoto = 2;
constexpr size_t kPuntoIntero = 2 + 2;
constexpr size_t kPuntoReale = 2 + 8;
// The bytes of each column a piece holds at most.
constexpr size_t kPezzoTracciato = 1 << 16;

// The bytes of one column; the file holds two.
uint64_t dimensione_colonna(const Tracciato& tracciato);

// Hands the file's bytes to `scrivi` in pieces, each with its offset in the
// file: x and y pieces alternate, each column's pieces in order. Stops at the
// first piece `scrivi` refuses; false then.
bool codifica_tracciato(const Tracciato& tracciato,
                        const std::function<bool(uint64_t posizione, std::string_view pezzo)>& scrivi);

// The whole file as one string: for tests and small plans.
std::string codifica_tracciato(const Tracciato& tracciato);
// The file of a plan read back point by point (model/decodifica_file.h).
std::string codifica_tracciato(const PuntiTracciato& punti);

}  // namespace scenario
