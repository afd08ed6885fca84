#include "model/traccia.h"

#include <gtest/gtest.h>

namespace scenario {
namespace {

// Past its limit the record takes no more entries, says so, and names no
// entry for the cells placed after it.
TEST(Traccia, StopsRecordingAtItsLimitAndSaysSo) {
  Traccia t;
  ASSERT_TRUE(t.apri());
  t.voci.emplace_back();
  t.posa(3);
  EXPECT_EQ(t.di_cella(3), &t.voci[0]);
  EXPECT_EQ(t.di_cella(2), nullptr);
  EXPECT_FALSE(t.troncata);

  t.voci.resize(Traccia::kMassimoVoci);
  EXPECT_FALSE(t.apri());
  EXPECT_TRUE(t.troncata);
  t.posa(3);
  EXPECT_EQ(t.di_cella(3), nullptr);
}

}  // namespace
}  // namespace scenario
