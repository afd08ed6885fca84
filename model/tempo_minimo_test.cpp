#include "model/tempo_minimo.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace scenario {
namespace {

// Cells hold the speed in steps of 5 km/h; a 50 m cell at v km/h takes
// 180 / v seconds.
std::vector<Cella> celle(std::initializer_list<std::pair<size_t, uint8_t>> tratti) {
  std::vector<Cella> out;
  for (const auto& [quante, passi] : tratti) {
    for (size_t i = 0; i < quante; ++i) out.push_back(Cella{.velocita = passi});
  }
  return out;
}

TEST(TempoMinimo, EachCellAtItsLimitRoundedUpToTheSecond) {
  struct Caso {
    const char* nome;
    std::vector<Cella> celle;
    int64_t da, a;
    std::optional<int64_t> secondi;
  };
  const std::vector<Caso> casi = {
      // 10 cells at 100 km/h: 10 × 1.8 s, a whole 18 s that stays 18.
      {"whole seconds stay whole", celle({{10, 20}}), 0, 500, 18},
      // 5 cells at 90 km/h (2 s each), 3 at 60 km/h (3 s each).
      {"two limits", celle({{5, 18}, {3, 12}}), 0, 400, 19},
      // From cell 2 to cell 5 of the same line: 2 cells at 90, 1 at 60.
      {"a stretch inside the line", celle({{5, 18}, {3, 12}}), 150, 300, 7},
      // 180 / 130 = 1.38 s: a second more than the train could do it in.
      {"a fraction is rounded up", celle({{1, 26}}), 0, 50, 2},
      {"a cell of 0 km/h cannot be run", celle({{2, 20}, {1, 0}, {2, 20}}), 0, 250, std::nullopt},
      {"a stretch past the cells", celle({{4, 20}}), 0, 300, std::nullopt},
  };
  for (const Caso& c : casi) {
    EXPECT_EQ(tempo_minimo(c.celle, c.da, c.a), c.secondi) << c.nome;
  }
}

}  // namespace
}  // namespace scenario
