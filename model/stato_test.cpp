#include "model/stato.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "model/tipi_avviso.h"

namespace scenario {
namespace {

constexpr std::string_view kModello = "entry at %1 m";

void avverti_molte(Compilatore& stato, std::string_view tipo, size_t quante, bool anche_nel_programma = false) {
  for (size_t i = 0; i < quante; ++i) stato.avverti(tipo, kModello, {std::to_string(i)}, anche_nel_programma);
}

// Past the first hundred of a kind in a file, warnings are only counted; the
// program's own warnings are all kept. Unknown keys are counted apart by
// whether a key lies near, when the check's record gives the test.
TEST(Avvertimenti, RepeatedKindIsCountedPastTheFirstHundred) {
  Compilatore stato;
  stato.file_corrente = "t.txt";
  avverti_molte(stato, kAvvisoFuoriOrdine, 150);
  ASSERT_EQ(stato.avvertimenti.size(), 100u);
  EXPECT_EQ(stato.avvertimenti.back().testo, "entry at 99 m");
  ASSERT_EQ(stato.avvertimenti_taciuti.size(), 1u);
  EXPECT_EQ(stato.avvertimenti_taciuti[0].file, "t.txt");
  EXPECT_EQ(stato.avvertimenti_taciuti[0].tipo, kAvvisoFuoriOrdine);
  EXPECT_EQ(stato.avvertimenti_taciuti[0].quante, 50u);

  // Another file starts its own hundred.
  stato.file_corrente = "l.txt";
  avverti_molte(stato, kAvvisoFuoriOrdine, 3);
  EXPECT_EQ(stato.avvertimenti.size(), 103u);

  for (int riga = 1; riga <= 150; ++riga) {
    stato.riga_corrente = riga;
    stato.avverti(kAvvisoChiaveIgnota, kModello, {"zzzz"});
  }
  avverti_molte(stato, kAvvisoProgressive, 150, /*anche_nel_programma=*/true);
  EXPECT_EQ(stato.avvertimenti.size(), 103u + 100u + 150u);
  ASSERT_EQ(stato.avvertimenti_taciuti.size(), 2u);
  EXPECT_EQ(stato.avvertimenti_taciuti[1].tipo, kAvvisoChiaveIgnota);
  EXPECT_EQ(stato.avvertimenti_taciuti[1].quante, 50u);

  stato.azzera(0);
  EXPECT_TRUE(stato.avvertimenti.empty());
  EXPECT_TRUE(stato.avvertimenti_taciuti.empty());
  stato.file_corrente = "t.txt";
  avverti_molte(stato, kAvvisoFuoriOrdine, 100);
  EXPECT_EQ(stato.avvertimenti.size(), 100u);
  EXPECT_TRUE(stato.avvertimenti_taciuti.empty());

  // With the check's test, each unknown key counts in its own hundred: a
  // misspelt key after a hundred junk lines is still recorded, and the junk
  // past its hundred is counted as such. Only the first field of a line counts.
  stato.azzera(0);
  Traccia traccia;
  traccia.chiave_vicina = [](std::string_view campo, bool) { return campo == "velcita"; };
  stato.traccia = &traccia;
  stato.file_corrente = "t.txt";
  for (int riga = 1; riga <= 150; ++riga) {
    stato.riga_corrente = riga;
    stato.avverti(kAvvisoChiaveIgnota, kModello, {"zzzz"});
    stato.avverti(kAvvisoChiaveIgnota, kModello, {"qqqq"});
  }
  stato.riga_corrente = 151;
  stato.avverti(kAvvisoChiaveIgnota, kModello, {"velcita"});
  ASSERT_EQ(stato.avvertimenti.size(), 101u);
  EXPECT_EQ(stato.avvertimenti.back().valori, std::vector<std::string>{"velcita"});
  ASSERT_EQ(stato.avvertimenti_taciuti.size(), 1u);
  EXPECT_EQ(stato.avvertimenti_taciuti[0].tipo, kAvvisoSenzaChiave);
  EXPECT_EQ(stato.avvertimenti_taciuti[0].quante, 50u);
}

// A line of unknown fields ("zzzz,  qqqq,  wwww") is one unknown key: the
// further fields are its entry's values read as keys, and are not recorded,
// so that a junk line of many fields costs one record.
TEST(Avvertimenti, UnknownKeysAreRecordedOncePerLine) {
  Compilatore stato;
  stato.file_corrente = "l.txt";
  const struct {
    int riga;
    std::string_view tipo;
    std::string campo;
  } letti[] = {
      {4, kAvvisoChiaveIgnota, "zzzz"}, {4, kAvvisoChiaveIgnota, "qqqq"}, {4, kAvvisoChiaveIgnota, "wwww"},
      {5, kAvvisoChiaveIgnota, "yyyy"}, {5, kAvvisoFuoriOrdine, "5"},    {6, kAvvisoChiaveIgnota, "xxxx"},
  };
  for (const auto& l : letti) {
    stato.riga_corrente = l.riga;
    stato.avverti(l.tipo, kModello, {l.campo});
  }
  std::vector<std::string> registrati;
  for (const Avvertimento& a : stato.avvertimenti) registrati.push_back(a.valori[0]);
  EXPECT_EQ(registrati, (std::vector<std::string>{"zzzz", "yyyy", "5", "xxxx"}));
  // The same line number in the other file is another line.
  stato.file_corrente = "t.txt";
  stato.riga_corrente = 6;
  stato.avverti(kAvvisoChiaveIgnota, kModello, {"vvvv"});
  EXPECT_EQ(stato.avvertimenti.back().valori[0], "vvvv");
}

}  // namespace
}  // namespace scenario
