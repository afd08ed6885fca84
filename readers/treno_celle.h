// What the train placements share: the bounds of the cell array, the low bits
// that a cell field keeps, and the approach marks written before an object.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace scenario {

struct Compilatore;

// Whether cell i exists: 0 to ultima_cella, and inside the array as built.
bool cella_esiste(const Compilatore& stato, int64_t i);

// The low 8 or 16 bits of a value, as the narrow cell fields keep it.
inline uint8_t basso8(int64_t valore) { return static_cast<uint8_t>(static_cast<uint64_t>(valore) & 0xFFu); }
inline int16_t basso16(int64_t valore) {
  return static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint64_t>(valore) & 0xFFFFu));
}

// The byte a cell keeps for a speed in km/h: the speed in steps of 5 km/h,
// rounded; none when that falls outside 0 to 255.
std::optional<uint8_t> byte_velocita(int32_t velocita);

// Writes an approach mark into an existing cell. A later mark replaces an
// earlier one; the author is warned when a different mark was already there,
// since the earlier object then loses part of its approach.
void segna_avviso(Compilatore& stato, size_t cella, uint8_t avviso);

}  // namespace scenario
