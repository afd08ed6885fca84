#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "content/documenti.h"
#include "tests/cartella_temporanea.h"
#include "tests/documento_scritto.h"

namespace scenario {
namespace {

TEST(DatiRallentamenti, BlankFormLayout) {
  test::CartellaTemporanea cartella;
  ASSERT_TRUE(dati_rallentamenti(test::nomi_documenti(cartella.percorso())).ok());
  std::vector<std::string> righe;
  ASSERT_TRUE(
      test::dividi_righe(cartella.leggi("MilanoPGen-Alessandria_2635_rallentamenti.txt"), &righe));
  ASSERT_EQ(righe.size(), 46u);
  const auto riga = [&](size_t n) -> const std::string& { return righe[n - 1]; };

  for (size_t n = 1; n <= righe.size(); ++n) {
    EXPECT_EQ(riga(n).empty(), n == 1 || n == 6 || n == 40) << "line " << n;
    for (const char c : riga(n)) EXPECT_TRUE(c >= 0x20 && c < 0x7F) << "line " << n;
  }
  EXPECT_EQ(riga(4).size(), 81u);
  EXPECT_EQ(riga(8).size(), 81u);
  for (size_t n = 9; n <= 39; ++n) EXPECT_EQ(riga(n).size(), 82u) << "line " << n;
  for (size_t n = 13; n <= 38; ++n) {
    EXPECT_EQ(riga(n), " |   |                            |            |          |         |            |")
        << "line " << n;
  }
  EXPECT_EQ(riga(12), riga(39));

  // The legend keeps the printed order and wording.
  EXPECT_EQ(riga(41), "              Prescrizioni specifiche");
  EXPECT_EQ(riga(42), " A - Da rispettare con tutto il treno (per i treni viaggiatori)");
  EXPECT_EQ(riga(43), " B - Interessa anche la stazione di.......");
  EXPECT_EQ(riga(44), " D - Rallentamneto N. ... e N. ...  sono contigui");
  EXPECT_EQ(riga(45), " C - Da rispettare dalle ore ....  alle ore ..... di tutti");
  EXPECT_EQ(riga(46), "     i giorni esclusi i seguenti:.........");
}

}  // namespace
}  // namespace scenario
