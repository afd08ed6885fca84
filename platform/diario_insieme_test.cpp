#include "platform/diario_insieme.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "platform/blocco_cartella.h"
#include "platform/file_system.h"
#include "platform/sostituzione_insieme.h"
#include "tests/cartella_temporanea.h"

namespace scenario {
namespace {

using test::CartellaTemporanea;
using Contenuti = std::map<std::string, std::string>;

TEST(DiarioInsieme, TheRecordReadsBackAndACutOrMalformedOneReadsAsNone) {
  const std::vector<VoceDiario> voci = {
      {.bersaglio = "P_linea.dat", .nuovo = ".P_linea.dat.scenario-tmp-AbC123", .copia = ".P_linea.dat.scenario-tmp-x"},
      {.bersaglio = "a:b\n12:c", .nuovo = ".a:b\n12:c.scenario-tmp-000000", .copia = ""},  // any bytes a name holds
  };
  const std::string testo = codifica_diario(voci);
  std::vector<VoceDiario> letti;
  ASSERT_TRUE(decodifica_diario(testo, &letti));
  EXPECT_EQ(letti, voci);
  for (size_t taglio = 0; taglio < testo.size(); ++taglio) {
    EXPECT_FALSE(decodifica_diario(testo.substr(0, taglio), &letti)) << taglio;
    EXPECT_TRUE(letti.empty());
  }
  const std::vector<std::string> guasti = {testo + "x", "scenario-set-journal 2\n0\n",
                                          "scenario-set-journal 1\n99999\n", "scenario-set-journal 1\n1\n0:0:0:\n"};
  for (const std::string& guasto : guasti) {
    EXPECT_FALSE(decodifica_diario(guasto, &letti)) << guasto;
  }
}

#ifndef _WIN32
Contenuti contenuti(const CartellaTemporanea& c) {
  Contenuti tutti;
  for (const auto& voce : std::filesystem::directory_iterator(c.percorso())) {
    tutti[voce.path().filename().string()] = c.leggi(voce.path().filename().string());
  }
  return tutti;
}

// A run killed at any step between its first and its last rename (a child
// process ended there through the test seam), with or without hard links on
// the volume: the next run that writes into the folder leaves one whole set,
// and every file of it new once the first rename was made.
TEST(DiarioInsieme, AKillBetweenTheRenamesIsCompletedByTheNextRun) {
  const Contenuti vecchi = {{"a", "old a"}, {"c", "old c"}};
  const Contenuti nuovi = {{"a", "new a"}, {"b", "new b"}, {"c", "new c"}};
  for (const bool senza_collegamenti : {false, true}) {
    for (int passo = 0; passo <= 3; ++passo) {
      SCOPED_TRACE("killed at step " + std::to_string(passo) + (senza_collegamenti ? ", no hard links" : ""));
      CartellaTemporanea c;
      for (const auto& [nome, testo] : vecchi) c.scrivi(nome, testo);
      const pid_t figlio = ::fork();
      ASSERT_GE(figlio, 0);
      if (figlio == 0) {
        imposta_collegamenti_rifiutati(senza_collegamenti);
        imposta_passo_insieme([passo](int p) {
          if (p == passo) ::_exit(0);
        });
        sostituisci_insieme({{c.file("a"), "new a"}, {c.file("b"), "new b"}, {c.file("c"), "new c"}});
        ::_exit(1);
      }
      int stato = 0;
      ASSERT_EQ(::waitpid(figlio, &stato, 0), figlio);
      ASSERT_TRUE(WIFEXITED(stato) && WEXITSTATUS(stato) == 0) << "the child did not reach the step";
      EXPECT_TRUE(c.esiste(std::string(kNomeDiario)));
      // The next writer of the folder.
      BloccoCartella blocco;
      ASSERT_TRUE(blocco.prendi(c.percorso(), nullptr).ok());
      rimuovi_temporanei(blocco, {"a", "b", "c"});
      EXPECT_EQ(contenuti(c), nuovi);
    }
  }
}
#endif

}  // namespace
}  // namespace scenario
