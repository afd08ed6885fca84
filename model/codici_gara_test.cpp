#include "model/codici_gara.h"

#include <gtest/gtest.h>

#include <string>

namespace scenario {
namespace {

Elementi con_identita(const std::string& treno, const std::string& linea) {
  Elementi e{};
  e[kRigaTreno].testo = treno;
  e[kRigaLinea].testo = linea;
  return e;
}

TEST(CodiciGara, WorkedExampleTrainOneLineAbc) {
  // "1abc" followed by the first 21 filler characters.
  const std::string chiave = std::string("1abc") + "mmnnppqqrrssttuuvvzzb";
  ASSERT_EQ(chiave.size(), 25u);
  EXPECT_EQ(chiave_identita("1", "abc"), chiave);
  const Elementi e = con_identita("1", "abc");
  // Plain sum: "1abc" is 49 + 97 + 98 + 99 = 343; the filler is twice
  // m n p q r s t u v z (109 + 110 + 112 + 113 + 114 + 115 + 116 + 117 + 118 +
  // 122 = 1146) and one b (98): 2390. 343 + 2390 = 2733.
  // Weighted sum, each character times its place from 1: 37033.
  EXPECT_EQ(codice_gara_st(e), 37033);
  EXPECT_EQ(codice_gara_og(e), 2733);
}

TEST(CodiciGara, ScenarioIdentity) {
  const Elementi e = con_identita("2635", "MilanoPGen-Alessandria");
  EXPECT_EQ(codice_gara_st(e), 33135);
  EXPECT_EQ(codice_gara_og(e), 2381);
}

TEST(CodiciGara, EdgeCases) {
  // Case does not matter.
  EXPECT_EQ(codice_gara_st(con_identita("2635", "MILANOPGEN-ALESSANDRIA")), 33135);
  EXPECT_EQ(codice_gara_og(con_identita("2635", "MILANOPGEN-ALESSANDRIA")), 2381);
  // The train number comes first: same plain sum, different weighted sum.
  EXPECT_EQ(codice_gara_og(con_identita("1", "abc")), codice_gara_og(con_identita("abc", "1")));
  EXPECT_NE(codice_gara_st(con_identita("1", "abc")), codice_gara_st(con_identita("abc", "1")));
  // Empty identity: the first 25 filler characters alone.
  // Plain sum 2 x 1146 + 2 x (98 + 99) + 100 = 2786; weighted 35849.
  EXPECT_EQ(codice_gara_st(con_identita("", "")), 35849);
  EXPECT_EQ(codice_gara_og(con_identita("", "")), 2786);
  // From the 26th character on nothing counts.
  EXPECT_EQ(codice_gara_st(con_identita("2635", "MilanoPGen-AlessandriX")), 33135);
  EXPECT_EQ(codice_gara_st(con_identita("2635", "MilanoPGen-Alessandria and more")), 33135);
  // Accented capitals of the 8-bit set lower-case too: "\xC0" is "\xE0".
  EXPECT_EQ(codice_gara_st(con_identita("1", "\xC0")), codice_gara_st(con_identita("1", "\xE0")));
}

}  // namespace
}  // namespace scenario
