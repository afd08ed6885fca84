#include "readers/lettura_descrizione.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "model/codici_errore.h"
#include "model/stato.h"
#include "model/traccia.h"

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

// Past the record's limit the entry being read is still kept, alone, so that
// a fault in it can name its key and the values read before it; it records
// no more.
TEST(LetturaDescrizione, TheEntryBeingReadIsKeptPastTheRecordsLimit) {
  Compilatore stato;
  Traccia traccia;
  traccia.voci.resize(Traccia::kMassimoVoci);
  stato.traccia = &traccia;
  LetturaDescrizione l(stato, "a/b.txt", "[generale]\r\npendenza,  1000,  2x\r\n");
  std::string campo;
  ASSERT_TRUE(l.leggi_campo(&campo));
  ASSERT_TRUE(l.leggi_chiave(2));
  l.apri_voce("pendenza", {});
  int32_t valore = 0;
  ASSERT_TRUE(l.leggi_valore(&valore));
  EXPECT_FALSE(l.leggi_valore(&valore));
  EXPECT_EQ(traccia.voci.size(), Traccia::kMassimoVoci);
  EXPECT_TRUE(traccia.troncata);
  const VoceLetta* voce = traccia.aperta();
  ASSERT_EQ(voce, &traccia.oltre);
  EXPECT_EQ(voce->parola, "pendenza");
  EXPECT_EQ(voce->file, "a/b.txt");
  EXPECT_EQ(voce->chiave.riga, 2);
  EXPECT_EQ(voce->valori, std::vector<int32_t>{1000});
  EXPECT_EQ(traccia.lettura_fallita.campo, "2x");
}

}  // namespace
}  // namespace scenario
