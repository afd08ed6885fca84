#include "testi/citazione.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace scenario::tool {
namespace {

TEST(Citazione, LinesEndAsTheReadersEndThem) {
  const IndiceRighe indice("[generale]\r\nsabbia,  300\nvetture,  9\rstazione\r\n");
  EXPECT_EQ(indice.righe(), 4u);
  EXPECT_EQ(indice.riga(1), "[generale]");
  EXPECT_EQ(indice.riga(2), "sabbia,  300");
  EXPECT_EQ(indice.riga(3), "vetture,  9");
  EXPECT_EQ(indice.riga(4), "stazione");
  EXPECT_EQ(indice.riga(5), "");
  EXPECT_EQ(indice.riga(0), "");
  EXPECT_EQ(indice.posizione(0), (std::pair<int, size_t>{1, 1}));
  EXPECT_EQ(indice.posizione(14), (std::pair<int, size_t>{2, 3}));  // the "b" of "sabbia"
  EXPECT_EQ(indice.posizione(37), (std::pair<int, size_t>{4, 1}));  // after the lone CR
}

TEST(Citazione, CaretUnderTheField) {
  struct Caso {
    std::string nome, riga;
    size_t colonna, larghezza;
    std::string atteso;
  };
  const std::string lunga = "indicatore cartello,  1000,  " + std::string(200, 'A') + "B";
  const std::vector<Caso> casi = {
      {.nome = "key at the start",
       .riga = "stazone,  5700,  12",
       .colonna = 1,
       .larghezza = 7,
       .atteso = " stazone,  5700,  12\n ^~~~~~~\n"},
      {.nome = "a number field in the middle",
       .riga = "velocita,  12o0,  90",
       .colonna = 12,
       .larghezza = 4,
       .atteso = " velocita,  12o0,  90\n" + std::string(12, ' ') + "^~~~\n"},
      {.nome = "control bytes escaped, the caret still under the field",
       .riga = "cartello,\x1b[2J,  x",
       .colonna = 10,
       .larghezza = 4,
       .atteso = " cartello,\\x1b[2J,  x\n" + std::string(10, ' ') + "^~~~~~~\n"},
      {.nome = "Windows-1252 letters shown as UTF-8, one column each",
       .riga = "stazione,  0,  CITT\xC0,  x",
       .colonna = 24,
       .larghezza = 1,
       .atteso = " stazione,  0,  CITT\xC3\x80,  x\n" + std::string(24, ' ') + "^\n"},
      {.nome = "an entry cut short: the caret just after the line",
       .riga = "velocita,  1250",
       .colonna = 16,
       .larghezza = 1,
       .atteso = " velocita,  1250\n" + std::string(16, ' ') + "^\n"},
      {.nome = "no column: the line alone", .riga = "[fine]", .colonna = 0, .larghezza = 1, .atteso = " [fine]\n"},
      {.nome = "a long line cut around the field",
       .riga = lunga,
       .colonna = lunga.size(),
       .larghezza = 1,
       .atteso = " \xE2\x80\xA6" + lunga.substr(lunga.size() - 100) + "\n" + std::string(101, ' ') + "^\n"},
  };
  for (const Caso& c : casi) EXPECT_EQ(cita_riga(c.riga, c.colonna, c.larghezza), c.atteso) << c.nome;
}

TEST(Citazione, NoControlByteReachesTheTerminal) {
  // 8-bit texts: a control byte escaped, 80 (the euro sign) and E0 shown as
  // UTF-8, 81 (undefined in Windows-1252) escaped.
  EXPECT_EQ(testo_visibile("a\x07" "b\x7f\x81\xE0\x80"), "a\\x07b\\x7f\\x81\xC3\xA0\xE2\x82\xAC");
  EXPECT_EQ(testo_visibile("\x1b]0;t\x07\x1b[2K\r\nrow 99:"), "\\x1b]0;t\\x07\\x1b[2K\\x0d\\x0arow 99:");
  struct Caso {
    const char* nome;
    std::string percorso, atteso;
  };
  const Caso casi[] = {
      {"UTF-8 kept", "dir/\xC3\xA0.txt", "dir/\xC3\xA0.txt"},
      {"C0 control", "dir/\xC3\xA0\x1b.txt", "dir/\xC3\xA0\\x1b.txt"},
      {"C1 control in UTF-8 (CSI)", "a\xC2\x9B" "2K", "a\\xc2\\x9b" "2K"},
      {"a byte that is not UTF-8", "a\x9B" "2K\xE0", "a\\x9b" "2K\\xe0"},
      {"DEL", "a\x7F", "a\\x7f"},
  };
  for (const Caso& c : casi) EXPECT_EQ(percorso_visibile(c.percorso), c.atteso) << c.nome;
}

}  // namespace
}  // namespace scenario::tool
