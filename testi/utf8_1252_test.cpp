#include "testi/utf8_1252.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace scenario::tool {
namespace {

TEST(Utf8In1252, ConvertedWhenEveryCharacterHasAPlace) {
  struct Caso {
    std::string nome, testo;
    bool era_utf8;
    std::string atteso;
    size_t primo = 0;
    std::vector<size_t> senza_posto = {};
  };
  const std::vector<Caso> casi = {
      {.nome = "plain ASCII stays", .testo = "stazione,  0", .era_utf8 = false, .atteso = "stazione,  0"},
      {.nome = "Windows-1252 stays", .testo = "CITT\xC0 ALT\xC0", .era_utf8 = false, .atteso = "CITT\xC0 ALT\xC0"},
      {.nome = "two-byte letters", .testo = "CITT\xC3\x80 Localit\xC3\xA0", .era_utf8 = true,
       .atteso = "CITT\xC0 Localit\xE0", .primo = 4},
      {.nome = "the euro sign and the dash live in 80 to 9F", .testo = "\xE2\x82\xAC \xE2\x80\x93",
       .era_utf8 = true, .atteso = "\x80 \x96"},
      {.nome = "a byte-order mark is dropped", .testo = "\xEF\xBB\xBF[generale] \xC3\xA8", .era_utf8 = true,
       .atteso = "[generale] \xE8", .primo = 11},
      {.nome = "an arrow and a C1 control have no place", .testo = "A\xE2\x86\x92" "B\xC2\x85", .era_utf8 = true,
       .atteso = "A?B?", .primo = 1, .senza_posto = {1, 3}},
      {.nome = "an overlong form is not UTF-8", .testo = "\xC0\xAF", .era_utf8 = false, .atteso = "\xC0\xAF"},
      {.nome = "a surrogate is not UTF-8", .testo = "\xED\xA0\x80", .era_utf8 = false, .atteso = "\xED\xA0\x80"},
      {.nome = "a cut sequence is not UTF-8", .testo = "abc\xC3", .era_utf8 = false, .atteso = "abc\xC3"},
  };
  for (const Caso& c : casi) {
    const ConversioneUtf8 r = da_utf8(c.testo);
    EXPECT_EQ(r.era_utf8, c.era_utf8) << c.nome;
    EXPECT_EQ(r.testo, c.atteso) << c.nome;
    if (!c.era_utf8) continue;
    EXPECT_EQ(r.primo_convertito, c.primo) << c.nome;
    std::vector<size_t> senza;
    for (const SenzaPosto& s : r.senza_posto) senza.push_back(s.offset);
    EXPECT_EQ(senza, c.senza_posto) << c.nome;
  }
  const ConversioneUtf8 freccia = da_utf8("\xE2\x86\x92");
  ASSERT_EQ(freccia.senza_posto.size(), 1u);
  EXPECT_EQ(freccia.senza_posto[0].carattere, 0x2192u);
}

}  // namespace
}  // namespace scenario::tool
