#include <gtest/gtest.h>
#ifdef _WIN32
#include <windows.h>

#include "platform/testo_windows.h"
#else
#include <sys/stat.h>
#endif

#include <filesystem>
#include <string>

#include "platform/blocco_cartella.h"
#include "platform/file_system.h"
#include "platform/nomi_temporanei.h"
#include "platform/sostituzione_insieme.h"
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
#ifndef _WIN32  // permission bits are POSIX's
  struct stat info {};
  ASSERT_EQ(::stat(cartella.file("f.dat").c_str(), &info), 0);
  const mode_t maschera = ::umask(0);
  ::umask(maschera);
  EXPECT_EQ(info.st_mode & 0777, 0666 & ~maschera);  // a new file's usual permissions
#endif
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

TEST(Sostituzione, ReplacingCleansNothing) {
  CartellaTemporanea cartella;
  cartella.scrivi(".f.dat.scenario-tmp-AbC123", "another run's, in progress");
  ASSERT_TRUE(sostituisci_file(cartella.file("f.dat"), "nuovo").ok());
  EXPECT_TRUE(cartella.esiste(".f.dat.scenario-tmp-AbC123"));
}

TEST(Sostituzione, TheLockHolderRemovesTheLeftoversOfItsOwnFilesAndNothingElse) {
  CartellaTemporanea cartella;
  struct Voce {
    const char* nome;
    bool rimossa;
  };
  const Voce voci_piantate[] = {
      {.nome = ".f.dat.scenario-tmp-AbC123", .rimossa = true},     // left by a killed replacement of f.dat
      {.nome = ".g.txt.scenario-tmp-x1y2z3", .rimossa = true},     // of g.txt, also written
      {.nome = ".h.txt.scenario-tmp-x1y2z3", .rimossa = false},    // of a file this run does not write
      {.nome = ".mydiary.scenario-tmp-backup", .rimossa = false},  // someone else's, shaped like ours
      {.nome = ".f.dat.scenario-tmp-AbC12", .rimossa = false},     // one character short
      {.nome = ".f.dat.scenario-tmp-AbC-12", .rimossa = false},    // not mkstemp's letters
      {.nome = ".f.dat.tmp-AbC123", .rimossa = false},             // another program's
      {.nome = "f.dat.scenario-tmp-AbC123", .rimossa = false},     // not hidden
      {.nome = ".xf.dat.scenario-tmp-AbC123", .rimossa = false},   // another target's name
  };
  for (const Voce& v : voci_piantate) cartella.scrivi(v.nome, "x");
  BloccoCartella blocco;
  ASSERT_TRUE(blocco.prendi(cartella.percorso(), nullptr).ok());
  rimuovi_temporanei(blocco, {"f.dat", "g.txt"});
  for (const Voce& v : voci_piantate) EXPECT_EQ(cartella.esiste(v.nome), !v.rimossa) << v.nome;
}

// A target whose own name is as long as a name may be is replaced, alone and
// as one of a set, although "." + name + ".scenario-tmp-XXXXXX" would not fit;
// the temporaries of such names are still told apart by the name they carry
// and cleaned up after a killed run.
TEST(Sostituzione, TheLongestNamesAreReplacedAndTheirLeftoversFound) {
  CartellaTemporanea cartella;
  const std::string lungo(255, 'a');
  const std::string lungo_accentato = std::string(233, 'b') + "\xC3\xA0" + std::string(20, 'c');  // 255 bytes
  for (const std::string& nome : {lungo, lungo_accentato}) {
    cartella.scrivi(nome, "vecchio");
    ASSERT_TRUE(sostituisci_file(cartella.file(nome), "nuovo").ok()) << nome.size();
    EXPECT_EQ(cartella.leggi(nome), "nuovo");
  }
  ASSERT_TRUE(sostituisci_insieme({{cartella.file(lungo), "uno"}, {cartella.file(lungo_accentato), "due"}}).ok());
  EXPECT_EQ(cartella.leggi(lungo), "uno");
  EXPECT_EQ(cartella.leggi(lungo_accentato), "due");
  EXPECT_EQ(voci(cartella), 2u);

  // The name a temporary carries: shortened to leave room for its 21 bytes,
  // never inside a character (the second's 'à' stands at bytes 234 and 235).
  EXPECT_EQ(nome_nel_temporaneo(lungo), std::string(234, 'a'));
  EXPECT_EQ(nome_nel_temporaneo(lungo_accentato), std::string(233, 'b'));
  EXPECT_EQ(nome_nel_temporaneo("f.dat"), "f.dat");
  const std::string avanzo = "." + std::string(234, 'a') + ".scenario-tmp-AbC123";
  cartella.scrivi(avanzo, "x");
  BloccoCartella blocco;
  ASSERT_TRUE(blocco.prendi(cartella.percorso(), nullptr).ok());
  rimuovi_temporanei(blocco, {lungo});
  EXPECT_FALSE(cartella.esiste(avanzo));
}

#ifdef _WIN32
// A file another program holds open without sharing it (the simulator reading
// it) cannot be replaced there: the failure names it with the system's
// reason, the file keeps its bytes, and no temporary file is left.
TEST(Sostituzione, AFileHeldOpenByAnotherProgramIsNamedAndKept) {
  CartellaTemporanea cartella;
  cartella.scrivi("f.dat", "vecchio");
  const HANDLE altrui = ::CreateFileW(utf16(cartella.file("f.dat")).c_str(), GENERIC_READ, 0, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(altrui, INVALID_HANDLE_VALUE);
  const Status s = sostituisci_file(cartella.file("f.dat"), "nuovo");
  ::CloseHandle(altrui);
  ASSERT_FALSE(s.ok());
  EXPECT_TRUE(s.messaggio().starts_with("cannot replace " + cartella.file("f.dat") + ": ")) << s.messaggio();
  EXPECT_GT(s.messaggio().size(), ("cannot replace " + cartella.file("f.dat") + ": ").size());
  EXPECT_EQ(cartella.leggi("f.dat"), "vecchio");
  EXPECT_EQ(voci(cartella), 1u);
}
#endif

}  // namespace
}  // namespace scenario
