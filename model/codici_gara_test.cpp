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

// The codes of a 25-character key, computed from its characters.
std::pair<int32_t, int32_t> attesi(const std::string& chiave) {
  int32_t st = 0, og = 0;
  for (size_t i = 0; i < chiave.size(); ++i) {
    const int32_t c = static_cast<unsigned char>(chiave[i]);
    st += c * static_cast<int32_t>(i + 1);
    og += c;
  }
  return {st, og};
}

TEST(CodiciGara, WorkedExampleTrainOneLineAbc) {
  // "1abc" followed by the first 21 filler characters.
  const std::string chiave = std::string("1abc") + "mmnnppqqrrssttuuvvzzb";
  ASSERT_EQ(chiave.size(), 25u);
  EXPECT_EQ(chiave_identita("1", "abc"), chiave);
  const Elementi e = con_identita("1", "abc");
  EXPECT_EQ(codice_gara_st(e), attesi(chiave).first);
  EXPECT_EQ(codice_gara_og(e), attesi(chiave).second);
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
  const auto filler = attesi("mmnnppqqrrssttuuvvzzbbccd");
  EXPECT_EQ(codice_gara_st(con_identita("", "")), filler.first);
  EXPECT_EQ(codice_gara_og(con_identita("", "")), filler.second);
  // From the 26th character on nothing counts.
  EXPECT_EQ(codice_gara_st(con_identita("2635", "MilanoPGen-AlessandriX")), 33135);
  EXPECT_EQ(codice_gara_st(con_identita("2635", "MilanoPGen-Alessandria and more")), 33135);
  // Accented capitals of the 8-bit set lower-case too: "\xC0" is "\xE0".
  EXPECT_EQ(codice_gara_st(con_identita("1", "\xC0")), codice_gara_st(con_identita("1", "\xE0")));
}

}  // namespace
}  // namespace scenario
