#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "platform/file_system.h"
#include "tests/cartella_temporanea.h"

namespace scenario {
namespace {

using test::CartellaTemporanea;

size_t voci(const CartellaTemporanea& cartella) {
  size_t n = 0;
  for (const auto& voce : std::filesystem::directory_iterator(cartella.percorso())) {
    (void)voce;
    ++n;
  }
  return n;
}

TEST(Sostituzione, ReplacesWholeAndLeavesNothingElse) {
  CartellaTemporanea cartella;
  cartella.scrivi("f.dat", std::string(100000, 'x'));
  ASSERT_TRUE(sostituisci_file(cartella.file("f.dat"), "nuovo").ok());
  EXPECT_EQ(cartella.leggi("f.dat"), "nuovo");
  EXPECT_EQ(voci(cartella), 1u);
  struct stat info {};
  ASSERT_EQ(::stat(cartella.file("f.dat").c_str(), &info), 0);
  const mode_t maschera = ::umask(0);
  ::umask(maschera);
  EXPECT_EQ(info.st_mode & 0777, 0666 & ~maschera);  // a new file's usual permissions
  ASSERT_TRUE(sostituisci_file(cartella.file("vuoto"), "").ok());
  EXPECT_TRUE(cartella.esiste("vuoto"));
}

TEST(Sostituzione, AFailureOrAnAbandonedWriteKeepsTheEarlierFile) {
  CartellaTemporanea cartella;
  cartella.scrivi("f.dat", "vecchio");
  imposta_guasto_scrittura([](const std::string&) { return true; });
  const Status s = sostituisci_file(cartella.file("f.dat"), "nuovo");
  imposta_guasto_scrittura(nullptr);
  EXPECT_FALSE(s.ok());
  EXPECT_NE(s.messaggio().find(cartella.file("f.dat")), std::string::npos) << s.messaggio();
  EXPECT_EQ(cartella.leggi("f.dat"), "vecchio");
  {
    FileInSostituzione file;
    ASSERT_TRUE(file.apri(cartella.file("f.dat")).ok());
    ASSERT_TRUE(file.scrivi("nuo").ok());
  }  // destroyed before chiudi()
  EXPECT_EQ(cartella.leggi("f.dat"), "vecchio");
  EXPECT_EQ(voci(cartella), 1u);
  // A folder that does not exist.
  EXPECT_FALSE(sostituisci_file(cartella.file("manca/f.dat"), "x").ok());
}

// Pieces written at their offsets, in any order, make the whole file; a gap
// still unwritten reads as zeros.
TEST(Sostituzione, PiecesAtTheirOffsets) {
  CartellaTemporanea cartella;
  cartella.scrivi("f.dat", "vecchio e lungo, piu' lungo del nuovo");
  FileInSostituzione file;
  ASSERT_TRUE(file.apri(cartella.file("f.dat")).ok());
  ASSERT_TRUE(file.scrivi_in(6, "6789").ok());
  ASSERT_TRUE(file.scrivi_in(0, "0123").ok());
  ASSERT_TRUE(file.chiudi().ok());
  EXPECT_EQ(cartella.leggi("f.dat"), std::string("0123\0\0006789", 10));
}

TEST(Sostituzione, LeftoversOfAKilledRunAreRemovedAndNothingElse) {
  CartellaTemporanea cartella;
  cartella.scrivi(".f.dat.scenario-tmp-AbC123", "mezzo");         // ours, left by a kill
  cartella.scrivi(".g.txt.scenario-tmp-x1y2z3", "mezzo");         // ours, another target
  cartella.scrivi(".f.dat.tmp-AbC123", "d'altri");                 // another program's
  cartella.scrivi("f.dat.scenario-tmp-AbC123", "non nascosto");   // not hidden: not ours
  ASSERT_TRUE(sostituisci_file(cartella.file("f.dat"), "nuovo").ok());
  EXPECT_FALSE(cartella.esiste(".f.dat.scenario-tmp-AbC123"));
  EXPECT_FALSE(cartella.esiste(".g.txt.scenario-tmp-x1y2z3"));
  EXPECT_TRUE(cartella.esiste(".f.dat.tmp-AbC123"));
  EXPECT_TRUE(cartella.esiste("f.dat.scenario-tmp-AbC123"));
}

}  // namespace
}  // namespace scenario
