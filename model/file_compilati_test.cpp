#include "model/file_compilati.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "model/decodifica_file.h"
#include "model/dimensioni.h"

namespace scenario {
namespace {

std::string byte(const std::string& s, size_t at, size_t n) { return s.substr(at, n); }

TEST(FileTabella, ClearedTableAndTexts) {
  Elementi e{};
  const std::string vuota = codifica_elementi(e);
  EXPECT_EQ(vuota.size(), 2958u);
  EXPECT_EQ(vuota, std::string(2958, '\0'));

  // A 5-character text in row 3 makes the file 5 bytes longer and moves every
  // later record by 5.
  e[3].testo = "abcde";
  e[4].dato1 = 1;
  const std::string con_testo = codifica_elementi(e);
  ASSERT_EQ(con_testo.size(), 2963u);
  const size_t riga3 = 3 * 34;
  EXPECT_EQ(byte(con_testo, riga3 + 14, 7), std::string("\x05\x00" "abcde", 7));
  const size_t riga4 = 4 * 34 + 5;
  EXPECT_EQ(byte(con_testo, riga4 + 1, 4), std::string("\x01\x00\x00\x00", 4));
}

TEST(FileTabella, FieldOffsetsOfOneRecord) {
  Elementi e{};
  Elemento& r = e[0];
  r.tipo = 12;
  r.dato1 = -400;
  r.dato2 = 0x01020304;
  r.dato3 = 7;
  r.segno = 9;
  r.testo = "AB";
  r.intero1 = -1;
  r.intero5 = 0x0A0B;
  r.byte1 = 1;
  r.byte4 = 4;
  r.dato4 = 64800;
  const std::string out = codifica_elementi(e);
  EXPECT_EQ(byte(out, 0, 1), "\x0C");
  EXPECT_EQ(byte(out, 1, 4), "\x70\xFE\xFF\xFF");  // -400
  EXPECT_EQ(byte(out, 5, 4), "\x04\x03\x02\x01");
  EXPECT_EQ(byte(out, 13, 1), "\x09");
  EXPECT_EQ(byte(out, 14, 4), std::string("\x02\x00" "AB", 4));
  EXPECT_EQ(byte(out, 16 + 2, 2), "\xFF\xFF");  // intero1 at 16 + n
  EXPECT_EQ(byte(out, 24 + 2, 2), "\x0B\x0A");  // intero5
  EXPECT_EQ(byte(out, 26 + 2, 1), "\x01");      // byte1
  EXPECT_EQ(byte(out, 29 + 2, 1), "\x04");      // byte4
  EXPECT_EQ(byte(out, 30 + 2, 4), std::string("\x20\xFD\x00\x00", 4));  // 64800
  EXPECT_EQ(out.size(), 2958u + 2u);
}

TEST(FileCelle, SizesFollowTheLineLength) {
  // 95025 / 50 = 1900.5 and 95075 / 50 = 1901.5: halves go to the even cell.
  // Each cell is a record of 15 bytes: 1901 cells make the scenario's 28515.
  struct Caso {
    int32_t lunghezza;
    int32_t lunghezza_tracciato;
    int32_t ultima_cella;
    size_t byte;
  };
  for (const Caso& caso : {
           Caso{.lunghezza = 88000, .lunghezza_tracciato = 95000, .ultima_cella = 1900, .byte = 28515},
           Caso{.lunghezza = 88025, .lunghezza_tracciato = 95025, .ultima_cella = 1900, .byte = 28515},
           Caso{.lunghezza = 88075, .lunghezza_tracciato = 95075, .ultima_cella = 1902, .byte = 28545},
           Caso{.lunghezza = 0, .lunghezza_tracciato = 7000, .ultima_cella = 140, .byte = 2115},
       }) {
    const Dimensioni d = dimensioni_linea(caso.lunghezza);
    EXPECT_EQ(d.lunghezza_tracciato, caso.lunghezza_tracciato) << caso.lunghezza;
    EXPECT_EQ(d.ultima_cella, caso.ultima_cella) << caso.lunghezza;
    const std::vector<Cella> celle(static_cast<size_t>(d.ultima_cella) + 1);
    EXPECT_EQ(codifica_celle(celle).size(), caso.byte) << caso.lunghezza;
  }
}

TEST(FileCelle, RecordBytes) {
  std::vector<Cella> celle(3);
  celle[1].valore_a = 5121;
  celle[1].valore_b = -1;
  celle[2].tipo = 12;
  celle[2].valore_a = 180;
  celle[2].tempo = 1;
  celle[2].avviso = 2;
  celle[2].montagna = 3;
  celle[2].velocita = 4;
  celle[2].pendenza = 5;
  celle[2].aderenza = 6;
  const std::string out = codifica_celle(celle);
  EXPECT_EQ(byte(out, 16, 2), "\x01\x14");  // 5121, cell 1 valore_a
  EXPECT_EQ(byte(out, 18, 2), "\xFF\xFF");  // -1
  EXPECT_EQ(byte(out, 30, 15), std::string("\x0C\xB4\x00\x00\x00\x00\x00\x00\x00\x01\x02\x03\x04\x05\x06", 15));
}

// A plan of rows 0 to `ultima` drawn straight along y up to row ultima - 2:
// row r is (0, r).
Tracciato tracciato_dritto(int32_t ultima) {
  Tracciato t;
  t.crea(ultima + 1);
  t.semina();
  t.traccia(ultima - 2, std::nullopt);
  return t;
}

TEST(FileTracciato, TaggedPointsColumnByColumn) {
  const size_t L = 10;
  const std::string out = codifica_tracciato(tracciato_dritto(L));
  const size_t colonna = 4 + 4 + 10 * (L - 3) + 2 + 2;
  ASSERT_EQ(out.size(), 2 * colonna);
  EXPECT_EQ(byte(out, 0, 4), std::string("\x02\x00\x00\x00", 4));        // x[0] integer 0
  EXPECT_EQ(byte(out, colonna, 4), std::string("\x02\x00\x00\x00", 4));  // y[0]
  EXPECT_EQ(byte(out, colonna + 4, 4), std::string("\x02\x00\x01\x00", 4));  // y[1] integer 1
  EXPECT_EQ(byte(out, 8, 2), std::string("\x05\x00", 2));                // x[2] computed
  // y[2] = 2.0 as a little-endian binary64: 00 .. 00 40.
  EXPECT_EQ(byte(out, colonna + 8, 10), std::string("\x05\x00\x00\x00\x00\x00\x00\x00\x00\x40", 10));
  EXPECT_EQ(byte(out, colonna - 4, 4), std::string("\x00\x00\x00\x00", 4));  // the two empty rows
}

// A plan longer than one piece of the encoder: every row lands at its place
// in its column, across the pieces' seams.
TEST(FileTracciato, ColumnsAcrossPieces) {
  const int32_t L = 30000;  // 300 KB a column, several pieces
  PuntiTracciato letto;
  Testo errore;
  ASSERT_TRUE(decodifica_tracciato(codifica_tracciato(tracciato_dritto(L)), &letto, &errore)) << errore.inglese();
  ASSERT_EQ(letto.x.size(), static_cast<size_t>(L) + 1);
  ASSERT_EQ(letto.y.size(), static_cast<size_t>(L) + 1);
  for (size_t r = 2; r + 2 <= static_cast<size_t>(L); ++r) {
    ASSERT_EQ(letto.x[r].tag, TagPunto::kReale) << r;
    ASSERT_EQ(letto.x[r].reale, 0.0) << r;
    ASSERT_EQ(letto.y[r].reale, static_cast<double>(r)) << r;
  }
  EXPECT_EQ(letto.y[static_cast<size_t>(L)].tag, TagPunto::kVuoto);
}

}  // namespace
}  // namespace scenario
