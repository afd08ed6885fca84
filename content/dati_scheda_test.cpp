#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "content/documenti.h"
#include "tests/cartella_temporanea.h"
#include "tests/documento_scritto.h"

namespace scenario {
namespace {

constexpr std::string_view kRigaVuota =
    " |     |     |          |     |                            |                |     |";

std::vector<std::string> scheda_scritta(const test::CartellaTemporanea& cartella) {
  std::vector<std::string> righe;
  EXPECT_TRUE(dati_scheda(test::nomi_documenti(cartella.percorso())).ok());
  EXPECT_TRUE(
      test::dividi_righe(cartella.leggi("MilanoPGen-Alessandria_2635_scheda_treno.txt"), &righe));
  return righe;
}

TEST(DatiScheda, CardHasTheFixedFrame) {
  test::CartellaTemporanea cartella;
  const std::vector<std::string> righe = scheda_scritta(cartella);
  ASSERT_EQ(righe.size(), 55u);
  const auto riga = [&](size_t n) -> const std::string& { return righe[n - 1]; };

  EXPECT_EQ(riga(9), " |  CLASSIFICAZIONE  |              |  MASSA BLOCCATA   |       ");
  EXPECT_EQ(riga(14),
            " | Vel.| Vel.| Progr Km |  No |   Localit\xE0  di  Servizio   |     Orario     | Rec |");
  // Heading, rows, blank rows and the rules around them share one width,
  // with the accented letter counted as one byte.
  for (size_t n = 14; n <= 51; ++n) EXPECT_EQ(riga(n).size(), 83u) << "line " << n;
  EXPECT_EQ(riga(16), riga(51));
  for (const size_t n : std::initializer_list<size_t>{1, 2, 12, 52, 53, 54}) EXPECT_EQ(riga(n), "") << "line " << n;
  EXPECT_EQ(riga(55), " ");
}

// Rows worked out from the column rules: blank speeds, three-digit speeds, a
// single time, an arrival-departure pair, one- and three-character recovery,
// a lower-case name and the kilometre posts 0.000 and 90.000.
TEST(DatiScheda, TimetableRowsFollowTheColumnRules) {
  test::CartellaTemporanea cartella;
  const std::vector<std::string> righe = scheda_scritta(cartella);
  ASSERT_EQ(righe.size(), 55u);
  const std::pair<size_t, std::string_view> attese[] = {
      {17, " |  30 |  30 |     5.200|     | MILANO P.GENOVA            |      18.00     |     |"},
      {18, " |  90 |  90 |     6.450|     |                            |                |     |"},
      {20, " | 130 | 120 |     9.300|     |                            |                |     |"},
      {24, " | 100 |  90 |    24.800|     | Ponte Naviglio Grande      |                |     |"},
      {30, " |     |     |    40.800|     | MORTARA                    |  18.34 - 18.35 |  1  |"},
      {32, " |     |     |    36.050|     | OLEVANO                    |      18.39     | 1.5 |"},
      {36, " |     |     |    12.400|     | VALENZA                    |  18.51 - 18.52 | 0.5 |"},
      {38, " |  75 |  75 |     0.000|     | cippo km 0.000             |                |     |"},
      {39, " |     |     |    90.000|     | ALESSANDRIA                |      19.02     |     |"},
  };
  for (const auto& [n, testo] : attese) EXPECT_EQ(righe[n - 1], testo) << "line " << n;
  for (size_t n = 40; n <= 50; ++n) EXPECT_EQ(righe[n - 1], kRigaVuota) << "line " << n;
}

}  // namespace
}  // namespace scenario
