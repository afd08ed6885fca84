// The program as a user runs it: the executable copied into a folder, started
// from elsewhere, leaving its files beside itself.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <unistd.h>
#endif

#include <filesystem>
#include <string>
#include <vector>

#include "model/nomi_file.h"
#include "tests/cartella_temporanea.h"
#include "tests/programma.h"

namespace scenario {
namespace {

using test::CartellaTemporanea;
using test::esegui_programma;

const NomiFile kNomi("", "MilanoPGen-Alessandria", "2635");

std::vector<std::string> prodotti() {
  return {kNomi.nome_note(),     kNomi.nome_rallentamenti(), kNomi.nome_scheda(),
          kNomi.nome_tracciato(), kNomi.nome_tabella(),      kNomi.nome_celle()};
}

TEST(Programma, ARunLeavesTheSixFilesBesideItselfAndPrintsOnlyTheWaitMessage) {
  CartellaTemporanea cartella;
  const auto esito = esegui_programma(cartella.percorso());
  EXPECT_EQ(esito.stato, 0) << esito.err;
#ifdef _WIN32
  EXPECT_EQ(esito.out, "");  // the wait message is the window there
#else
  EXPECT_EQ(esito.out, "Attendere\n");
#endif
  EXPECT_EQ(esito.err, "");
  for (const std::string& nome : prodotti()) EXPECT_TRUE(cartella.esiste(nome)) << nome;
  EXPECT_FALSE(cartella.esiste(kNomi.nome_descrizione_linea()));
  EXPECT_FALSE(cartella.esiste(kNomi.nome_descrizione_treno()));
  // Only the program, the documents and the compiled files: no temporary file.
  size_t voci = 0;
  for (const auto& voce : std::filesystem::directory_iterator(cartella.percorso())) {
    (void)voce;
    ++voci;
  }
  EXPECT_EQ(voci, prodotti().size() + 1);
}

TEST(Programma, ASecondRunReplacesEveryFileWhole) {
  CartellaTemporanea pulita;
  ASSERT_EQ(esegui_programma(pulita.percorso()).stato, 0);

  // Stale files longer than the real ones, and a description left behind.
  CartellaTemporanea sporca;
  for (const std::string& nome : prodotti()) sporca.scrivi(nome, std::string(4 << 20, 'x'));
  sporca.scrivi(kNomi.nome_descrizione_treno(), "[generale]\r\nvetture,  99\r\n");
  ASSERT_EQ(esegui_programma(sporca.percorso()).stato, 0);
  ASSERT_EQ(esegui_programma(sporca.percorso()).stato, 0);
  for (const std::string& nome : prodotti()) {
    EXPECT_TRUE(sporca.leggi(nome) == pulita.leggi(nome)) << nome;
  }
}

// Folder permissions and a run as another user are POSIX's.
#ifndef _WIN32
TEST(Programma, AReadOnlyFolderEndsWithStatus3AndKeepsTheEarlierFiles) {
  CartellaTemporanea cartella;
  ASSERT_EQ(esegui_programma(cartella.percorso()).stato, 0);
  std::vector<std::string> prima;
  for (const std::string& nome : prodotti()) prima.push_back(cartella.leggi(nome));

  namespace fs = std::filesystem;
  fs::permissions(cartella.percorso(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                           fs::perms::others_read | fs::perms::others_exec);
  const auto esito = esegui_programma(cartella.percorso(), /*senza_privilegi=*/true);
  fs::permissions(cartella.percorso(), fs::perms::owner_all);
  if (::geteuid() != 0) GTEST_SKIP() << "not root: cannot drop to another user";
  EXPECT_EQ(esito.stato, 3);
  EXPECT_NE(esito.err.find(kNomi.nome_descrizione_linea()), std::string::npos) << esito.err;
  for (size_t i = 0; i < prodotti().size(); ++i) EXPECT_TRUE(cartella.leggi(prodotti()[i]) == prima[i]) << prodotti()[i];
}
#endif

}  // namespace
}  // namespace scenario
