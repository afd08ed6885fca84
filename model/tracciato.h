// The track plan as the line reader leaves it: not its points, one per metre,
// which are computed in order only when the plan file is written, but what
// draws them: the seed rows and the run of straight and curved stretches.
// Holding this instead of the points keeps the compiler's memory the same
// for a line of 10 km and one of 1000 km.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace scenario {

// A point of the track plan: empty, a 16-bit integer or a 64-bit float.
enum class TagPunto : uint16_t { kVuoto = 0, kIntero = 2, kReale = 5 };

// Rows from the end of the stretch before (or row 2) up to `fine`, each drawn
// from the two rows before it: straight, or turning by about k radians a metre.
struct Tratto {
  int32_t fine = 0;
  bool curvo = false;
  double k = 0.0;
};

class Tracciato {
 public:
  // A plan of rows 0 to `righe` - 1, every row empty.
  void crea(int32_t righe) {
    righe_ = righe;
    semi_ = false;
    tratti_.clear();
  }
  bool presente() const { return righe_ > 0; }
  int32_t righe() const { return righe_; }
  bool semi() const { return semi_; }
  const std::vector<Tratto>& tratti() const { return tratti_; }

  // Rows 0 and 1: (0, 0) and (0, 1), the line starting at the origin heading
  // along y.
  void semina() { semi_ = true; }
  // The last row drawn: 1 with the seeds alone, -1 with nothing.
  int32_t ultima_riga() const { return !tratti_.empty() ? tratti_.back().fine : semi_ ? 1 : -1; }
  // Draws on from the row after ultima_riga() up to `fine`, straight when k is
  // absent. A stretch of the same kind as the one before lengthens it.
  void traccia(int32_t fine, std::optional<double> k);

 private:
  int32_t righe_ = 0;
  bool semi_ = false;
  std::vector<Tratto> tratti_;
};

}  // namespace scenario
