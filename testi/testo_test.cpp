#include "testi/testo.h"

#include <gtest/gtest.h>

#include <string>

namespace scenario::tool {
namespace {

// JSON strings hold nothing a terminal acts on and stay JSON whatever the
// bytes: the cases worked out by hand from the escapes JSON defines.
TEST(Testo, JsonStringsEscapeControlsAndKeepAnyTextJson) {
  struct Caso {
    const char* nome;
    std::string testo, atteso;
  };
  const Caso utf8[] = {
      {"UTF-8 kept", "Simulatore \xC3\xAC/l.txt", "\"Simulatore \xC3\xAC/l.txt\""},
      {"quote and backslash", "a\"b\\c", "\"a\\\"b\\\\c\""},
      {"C0 controls", "\x1b]0;t\x07\r\n", "\"\\u001b]0;t\\u0007\\r\\n\""},
      {"DEL and a C1 control (CSI)", "\x7f\xC2\x9B" "2K", "\"\\u007f\\u009b2K\""},
      {"bytes that are not UTF-8", "a\xFF\xC3", "\"a\xEF\xBF\xBD\xEF\xBF\xBD\""},
  };
  for (const Caso& c : utf8) EXPECT_EQ(json_utf8(c.testo), c.atteso) << c.nome;
  // An 8-bit text of the model: E0 is a-grave, 80 the euro sign, 81 undefined.
  EXPECT_EQ(json_stringa("\xE0\x80\x81\x1b"), "\"\xC3\xA0\xE2\x82\xAC\xEF\xBF\xBD\\u001b\"");
  EXPECT_EQ(json_utf8_in_script("</script>&"), "\"\\u003c/script\\u003e\\u0026\"");
}

}  // namespace
}  // namespace scenario::tool
