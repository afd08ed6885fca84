#include "model/decodifica_file.h"

#include <gtest/gtest.h>

#include <string>

#include "model/file_compilati.h"

namespace scenario {
namespace {

bool uguali(const Elemento& a, const Elemento& b) {
  return a.tipo == b.tipo && a.dato1 == b.dato1 && a.dato2 == b.dato2 && a.dato3 == b.dato3 &&
         a.segno == b.segno && a.testo == b.testo && a.intero1 == b.intero1 && a.intero2 == b.intero2 &&
         a.intero3 == b.intero3 && a.intero4 == b.intero4 && a.intero5 == b.intero5 && a.byte1 == b.byte1 &&
         a.byte2 == b.byte2 && a.byte3 == b.byte3 && a.byte4 == b.byte4 && a.dato4 == b.dato4;
}

TEST(DecodificaFile, TableRoundTrip) {
  Elementi e{};
  e[1] = Elemento{12, -400, 400, 0, 0, "MILANO P.GENOVA", 1, 1, 4, 1, 1, 0, 1, 0, 0, 64800};
  e[80].testo = "(Localit\xE0)";
  e[85].intero1 = 610;
  Elementi letti{};
  Testo errore;
  ASSERT_TRUE(decodifica_elementi(codifica_elementi(e), &letti, &errore)) << errore.inglese();
  for (size_t i = 0; i < e.size(); ++i) EXPECT_TRUE(uguali(e[i], letti[i])) << "row " << i;
}

TEST(DecodificaFile, ForeignAndTruncatedFilesAreRefusedWithTheirOffset) {
  Elementi e{};
  e[3].testo = "abcde";
  const std::string tabella = codifica_elementi(e);
  std::vector<Cella> celle(4);
  const std::string file_celle = codifica_celle(celle);
  struct Caso {
    const char* nome;
    std::string dati;
    int tipo;  // 0 table, 1 cells, 2 plan
    std::string errore;
  };
  const std::vector<Caso> casi = {
      {"table cut inside row 86", tabella.substr(0, tabella.size() - 1), 0,
       "offset " + std::to_string(tabella.size() - 34) + ": the file ends inside row 86 (a table has 87 rows)"},
      {"table with a byte after row 86", tabella + "x", 0,
       "offset " + std::to_string(tabella.size()) + ": 1 bytes after row 86 (a table has 87 rows)"},
      {"empty table", "", 0, "it is empty"},
      {"empty cells", "", 1, "it is empty"},
      {"empty plan", "", 2, "it is empty"},
      // 87 rows of 34 bytes and a text of 65535 bytes each: 5704503 bytes.
      {"table past the largest", std::string(5704504, '\0'), 0,
       "5704504 bytes, more than the largest table file the compiler writes (5704503 bytes)"},
      // Cells 0 to 20140 of a line of 1000000 m, 15 bytes each: 302115 bytes.
      {"cells past the largest", std::string(302130, '\0'), 1,
       "302130 bytes, more than the largest cell file the compiler writes (302115 bytes)"},
      // Metres 0 to 1007000 in two columns, 10 bytes a point: 20140020 bytes.
      {"plan past the largest", std::string(20140022, '\0'), 2,
       "20140022 bytes, more than the largest plan file the compiler writes (20140020 bytes)"},
      // Within the size, but 1007002 empty metres a column: one too many.
      {"plan longer than the longest line", std::string(4 * 1007002, '\0'), 2,
       "offset 0: 1007002 metres: the longest line's plan has 1007001"},
      {"cells not a multiple of 15", file_celle + "abc", 1,
       "offset 60: size 63 is not a multiple of 15 (one cell is 15 bytes)"},
      {"plan tag 3", std::string("\x02\x00\x00\x00\x03\x00", 6), 2,
       "offset 4: point tag 3 (a plan holds only tags 0, 2 and 5)"},
      {"plan cut inside a float", std::string("\x05\x00\x00\x00", 4), 2,
       "offset 0: the file ends inside a 64-bit point"},
      {"plan with an odd number of points", std::string("\x00\x00", 2), 2,
       "offset 2: 1 points: a plan holds two columns of equal length"},
      // x: 0, 0; y: 0, then a quiet NaN (7FF8000000000000) at offset 12.
      {"plan with NaN in column y", std::string("\x02\x00\x00\x00\x02\x00\x00\x00\x02\x00\x00\x00", 12) +
                                         std::string("\x05\x00\x00\x00\x00\x00\x00\x00\xF8\x7F", 10), 2,
       "offset 12: metre 1 of column y holds NaN, not a number of metres"},
      // x: +infinity (7FF0000000000000); y: 0.
      {"plan with an infinity in column x", std::string("\x05\x00\x00\x00\x00\x00\x00\x00\xF0\x7F", 10) +
                                                 std::string("\x02\x00\x00\x00", 4), 2,
       "offset 0: metre 0 of column x holds an infinity, not a number of metres"},
      // The same infinity, then a cut tag: the shape is refused first.
      {"plan with an infinity and a cut tag", std::string("\x05\x00\x00\x00\x00\x00\x00\x00\xF0\x7F\x02", 11), 2,
       "offset 10: the file ends inside a point's tag"},
  };
  for (const Caso& caso : casi) {
    Testo errore;
    Elementi el{};
    std::vector<Cella> ce;
    PuntiTracciato tr;
    const bool ok = caso.tipo == 0   ? decodifica_elementi(caso.dati, &el, &errore)
                    : caso.tipo == 1 ? decodifica_celle(caso.dati, &ce, &errore)
                                     : decodifica_tracciato(caso.dati, &tr, &errore);
    EXPECT_FALSE(ok) << caso.nome;
    EXPECT_EQ(errore.inglese(), caso.errore) << caso.nome;
  }
}

TEST(DecodificaFile, CellsAndPlanRoundTrip) {
  std::vector<Cella> celle(3);
  celle[2] = Cella{1, 50, 60, 0, 3, 101, 31, 1, 26, 98, 100};
  std::vector<Cella> lette;
  Testo errore;
  ASSERT_TRUE(decodifica_celle(codifica_celle(celle), &lette, &errore));
  ASSERT_EQ(lette.size(), 3u);
  EXPECT_EQ(codifica_celle(lette), codifica_celle(celle));

  PuntiTracciato t;
  t.x = {{TagPunto::kIntero, 0, 0}, {TagPunto::kReale, 0, -0.25}, {}};
  t.y = {{TagPunto::kIntero, 1, 0}, {TagPunto::kReale, 0, 1e300}, {}};
  PuntiTracciato letto;
  ASSERT_TRUE(decodifica_tracciato(codifica_tracciato(t), &letto, &errore)) << errore.inglese();
  EXPECT_EQ(codifica_tracciato(letto), codifica_tracciato(t));
}

}  // namespace
}  // namespace scenario
