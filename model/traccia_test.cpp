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
  EXPECT_FALSE(t.apri("l_linea.txt"));
  EXPECT_TRUE(t.troncata);
  // The note names the description whose entries were not recorded: the
  // first one to find the record full, whichever reads later.
  EXPECT_FALSE(t.apri("l_2635-.txt"));
  EXPECT_EQ(t.file_troncata, "l_linea.txt");
  t.posa(3);
  EXPECT_EQ(t.di_cella(3), nullptr);
}

}  // namespace
}  // namespace scenario
