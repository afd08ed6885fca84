#include "model/traccia.h"

#include <gtest/gtest.h>

#include <string>

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

// A copy's entries name their files from the copy's own list, so that it
// outlives the record it was copied from; going back to a mark drops what was
// recorded after it and nothing before.
TEST(Traccia, ACopyOwnsItsNamesAndAMarkIsGoneBackTo) {
  Traccia copia;
  {
    Traccia t;
    const std::string linea = "l.txt";
    ASSERT_TRUE(t.apri(t.nome(linea)));
    t.voci.emplace_back().file = t.nome(linea);
    t.posa(2);
    const Traccia::Segno segno = t.segno();
    const std::string treno = "t.txt";
    t.treno_letto = true;
    ASSERT_TRUE(t.apri(t.nome(treno)));
    t.voci.emplace_back().file = t.nome(treno);
    t.posa(5);
    copia = t;
    t.torna(segno);
    EXPECT_EQ(t.voci.size(), 1u);
    EXPECT_EQ(t.nomi.size(), 1u);
    EXPECT_FALSE(t.treno_letto);
    EXPECT_EQ(t.di_cella(2), &t.voci[0]);
    EXPECT_EQ(t.di_cella(5), nullptr);
  }
  ASSERT_EQ(copia.voci.size(), 2u);
  EXPECT_EQ(copia.voci[0].file, "l.txt");
  EXPECT_EQ(copia.voci[1].file, "t.txt");
  EXPECT_EQ(copia.voci[1].file.data(), copia.nomi[1].data());
  EXPECT_TRUE(copia.treno_letto);
}

}  // namespace
}  // namespace scenario
