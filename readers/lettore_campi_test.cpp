#include "readers/lettore_campi.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace scenario {
namespace {

TEST(LettoreCampi, TextFieldsEndAtCommaOrLineEnd) {
  LettoreCampi l("  [generale]\r\ncartello,     (   P.L.  )(km 6+532)  \nultimo");
  std::string campo;
  ASSERT_EQ(l.leggi_testo(&campo), Lettura::kOk);
  EXPECT_EQ(campo, "[generale]");
  EXPECT_EQ(l.riga(), 1);
  ASSERT_EQ(l.leggi_testo(&campo), Lettura::kOk);
  EXPECT_EQ(campo, "cartello");
  EXPECT_EQ(l.riga(), 2);
  ASSERT_EQ(l.leggi_testo(&campo), Lettura::kOk);
  EXPECT_EQ(campo, "(   P.L.  )(km 6+532)");  // inner blanks kept, outer ones dropped
  EXPECT_FALSE(l.finito());
  ASSERT_EQ(l.leggi_testo(&campo), Lettura::kOk);
  EXPECT_EQ(campo, "ultimo");
  EXPECT_EQ(l.riga(), 3);
  EXPECT_TRUE(l.finito());
  EXPECT_EQ(l.leggi_testo(&campo), Lettura::kFineFile);
}

TEST(LettoreCampi, NumberFields) {
  struct Caso {
    std::string testo;
    std::vector<int32_t> numeri;
  };
  const std::vector<Caso> casi = {
      {.testo = "0,  30\r\n", .numeri = {0, 30}},
      {.testo = "     17               59            40\r\n", .numeri = {17, 59, 40}},  // blanks separate numbers
      {.testo = "0,    ,    ,    ,  0", .numeri = {0, 0, 0, 0, 0}},                     // empty fields read 0
      {.testo = "-4,  16050", .numeri = {-4, 16050}},
      {.testo = "5   ,6", .numeri = {5, 6}},  // blanks after a number, then its comma
      {.testo = "2147483647,-2147483648", .numeri = {2147483647, -2147483647 - 1}},
  };
  for (const Caso& caso : casi) {
    LettoreCampi l(caso.testo);
    for (int32_t atteso : caso.numeri) {
      int32_t valore = -1;
      ASSERT_EQ(l.leggi_numero(&valore), Lettura::kOk) << caso.testo;
      EXPECT_EQ(valore, atteso) << caso.testo;
    }
    EXPECT_TRUE(l.finito()) << caso.testo;
  }
}

TEST(LettoreCampi, MalformedNumbersAreRefused) {
  for (const char* testo : {"12a", "1.5", "-", "+5", "abc", "2147483648", "-2147483649", "0x10"}) {
    LettoreCampi l(testo);
    int32_t valore = 77;
    EXPECT_EQ(l.leggi_numero(&valore), Lettura::kNonValido) << testo;
    EXPECT_EQ(valore, 77) << testo;  // a failed read stores nothing
  }
  LettoreCampi finito("5");
  int32_t valore = 0;
  ASSERT_EQ(finito.leggi_numero(&valore), Lettura::kOk);
  EXPECT_EQ(finito.leggi_numero(&valore), Lettura::kFineFile);
  EXPECT_EQ(valore, 5);
}

TEST(LettoreCampi, LineEndsAndCounting) {
  LettoreCampi l("a\nb\r\nc\rd");
  std::string campo;
  for (const char* atteso : {"a", "b", "c", "d"}) {
    ASSERT_EQ(l.leggi_testo(&campo), Lettura::kOk);
    EXPECT_EQ(campo, atteso);
  }
  EXPECT_EQ(l.riga(), 4);
  EXPECT_TRUE(l.finito());
}

// The column is the field's first byte after the blanks before it, counted
// from 1 on its own line, whatever line end ended the line before.
TEST(LettoreCampi, ColumnOfEachField) {
  struct Campo {
    const char* testo;
    int riga;
    int colonna;
  };
  LettoreCampi l("  ab, c\r\nd,\t e\rfff,  7   8\n");
  std::string campo;
  for (const Campo& atteso : {Campo{.testo = "ab", .riga = 1, .colonna = 3}, Campo{.testo = "c", .riga = 1, .colonna = 7},
                              Campo{.testo = "d", .riga = 2, .colonna = 1}, Campo{.testo = "e", .riga = 2, .colonna = 5},
                              Campo{.testo = "fff", .riga = 3, .colonna = 1}}) {
    ASSERT_EQ(l.leggi_testo(&campo), Lettura::kOk);
    EXPECT_EQ(campo, atteso.testo);
    EXPECT_EQ(l.riga(), atteso.riga) << atteso.testo;
    EXPECT_EQ(l.colonna(), atteso.colonna) << atteso.testo;
  }
  // "7" starts at byte 7 of line 3; the blanks after it end the field, and
  // "8" starts at byte 11.
  int32_t numero = 0;
  ASSERT_EQ(l.leggi_numero(&numero), Lettura::kOk);
  EXPECT_EQ(l.colonna(), 7);
  ASSERT_EQ(l.leggi_numero(&numero), Lettura::kOk);
  EXPECT_EQ(numero, 8);
  EXPECT_EQ(l.colonna(), 11);
}

TEST(LettoreCampi, LastFieldOfTheFile) {
  // A trailing line end belongs to the last field: the read of "[fine]" is the
  // one that reaches the end.
  LettoreCampi l("x\r\n[fine]\r\n");
  std::string campo;
  l.leggi_testo(&campo);
  EXPECT_FALSE(l.finito());
  l.leggi_testo(&campo);
  EXPECT_EQ(campo, "[fine]");
  EXPECT_TRUE(l.finito());
  // An empty file has no field at all.
  LettoreCampi vuoto("");
  EXPECT_EQ(vuoto.leggi_testo(&campo), Lettura::kFineFile);
}

TEST(Chiavi, CaseRules) {
  EXPECT_TRUE(contiene_senza_maiuscole("Pendenza", "pendenza"));
  EXPECT_TRUE(contiene_senza_maiuscole("CURVAD6", "curva"));
  EXPECT_TRUE(contiene_senza_maiuscole("LOCALIT\xC0", "localit\xE0"));
  EXPECT_FALSE(contiene_senza_maiuscole("pend", "pendenza"));
  EXPECT_TRUE(contiene("progressiva chilometrica uno", "progressiva"));
  EXPECT_FALSE(contiene("Progressiva chilometrica uno", "progressiva"));
}

}  // namespace
}  // namespace scenario
