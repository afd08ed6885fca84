#include "model/testo_km.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace scenario {
namespace {

TEST(TestoKm, WholeKilometresThenThreeDigitsOfMetres) {
  const struct {
    int64_t metri;
    const char* atteso;
  } casi[] = {
      {44350, "km 44+350"},
      {0, "km 0+000"},
      {1005, "km 1+005"},
      {-500, "km -0+500"},
      {-12040, "km -12+040"},
      {std::numeric_limits<int64_t>::min(), "km -9223372036854775+808"},
  };
  for (const auto& c : casi) EXPECT_EQ(testo_km(c.metri), c.atteso) << c.metri;
}

}  // namespace
}  // namespace scenario
