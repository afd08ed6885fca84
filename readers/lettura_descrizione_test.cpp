#include "readers/lettura_descrizione.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "model/codici_errore.h"
#include "model/stato.h"

namespace scenario {
namespace {

// Every fault and warning names the text, and the line and column of the last
// field read, whichever half records it and however it is recorded.
TEST(LetturaDescrizione, FaultsAndWarningsNameFileLineAndColumn) {
  Compilatore stato;
  LetturaDescrizione l(stato, "a/b.txt", "[generale]\r\npendnza,  1000,  2x\r\n");
  std::string campo;
  ASSERT_TRUE(l.leggi_campo(&campo));
  ASSERT_TRUE(l.leggi_chiave(2));
  l.avverti_chiave_ignota(l.chiave());
  int32_t valore = 0;
  ASSERT_TRUE(l.leggi_valore(&valore));
  EXPECT_EQ(valore, 1000);
  // "2x" begins at byte 18 of line 2: "pendnza," takes bytes 1 to 8, two
  // blanks 9 and 10, "1000," 11 to 15, two blanks 16 and 17.
  EXPECT_FALSE(l.leggi_valore(&valore));
  stato.registra(kErroreOltreLeCelle, 500);  // a placement routine's own record

  ASSERT_EQ(stato.avvertimenti.size(), 1u);
  EXPECT_EQ(stato.avvertimenti[0].testo, "field \"pendnza\" holds no key word: ignored");
  EXPECT_EQ(stato.avvertimenti[0].file, "a/b.txt");
  EXPECT_EQ(stato.avvertimenti[0].riga, 2);
  EXPECT_EQ(stato.avvertimenti[0].colonna, 1);
  ASSERT_EQ(stato.guasti.size(), 2u);
  for (const Guasto& g : stato.guasti) {
    EXPECT_EQ(g.file, "a/b.txt");
    EXPECT_EQ(g.riga, 2);
    EXPECT_EQ(g.colonna, 18);
  }
  EXPECT_EQ(stato.guasti[0].codice, kErroreLettura);
  EXPECT_EQ(stato.guasti[1].posizione, 500);
}

// A value that does not fit its width is a reading failure, and so is a read
// past the end of the text.
TEST(LetturaDescrizione, ValuesAreReadToTheirWidth) {
  struct Caso {
    const char* testo;
    bool int16;
    bool uint8;
  };
  for (const Caso& caso : {Caso{.testo = "255", .int16 = true, .uint8 = true},
                           Caso{.testo = "256", .int16 = true, .uint8 = false},
                           Caso{.testo = "-1", .int16 = true, .uint8 = false},
                           Caso{.testo = "32767", .int16 = true, .uint8 = false},
                           Caso{.testo = "32768", .int16 = false, .uint8 = false},
                           Caso{.testo = "-32768", .int16 = true, .uint8 = false},
                           Caso{.testo = "-32769", .int16 = false, .uint8 = false}}) {
    Compilatore a;
    int16_t corto = 0;
    EXPECT_EQ(LetturaDescrizione(a, "t", caso.testo).leggi_valore(&corto), caso.int16) << caso.testo;
    EXPECT_EQ(a.codice_errore, caso.int16 ? 0 : kErroreLettura) << caso.testo;
    Compilatore b;
    uint8_t byte = 0;
    EXPECT_EQ(LetturaDescrizione(b, "t", caso.testo).leggi_valore(&byte), caso.uint8) << caso.testo;
    EXPECT_EQ(b.codice_errore, caso.uint8 ? 0 : kErroreLettura) << caso.testo;
  }
  Compilatore stato;
  LetturaDescrizione l(stato, "t", "5");
  int32_t valore = 0;
  ASSERT_TRUE(l.leggi_valore(&valore));
  EXPECT_FALSE(l.leggi_valore(&valore));
  EXPECT_EQ(stato.codice_errore, kErroreLettura);
}

}  // namespace
}  // namespace scenario
