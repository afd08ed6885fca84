// Two runs in one folder take turns: whatever the timing, both finish cleanly
// and the folder ends with one whole run's files. A run that finds the folder
// taken says so once and waits.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>

#include "platform/blocco_cartella.h"
#include "tests/cartella_temporanea.h"
#include "tests/impronta.h"
#include "tests/programma.h"

namespace scenario::test {
namespace {

constexpr int kRipetizioni = 50;

TEST(CorseInsieme, TwoRunsAtOnceBothSucceedAndLeaveThePinnedFiles) {
  for (int giro = 0; giro < kRipetizioni; ++giro) {
    SCOPED_TRACE("round " + std::to_string(giro));
    CartellaTemporanea cartella;
    const std::string programma = programma_in(cartella.percorso());
    const pid_t primo = avvia_programma(cartella.percorso());
    const pid_t secondo = avvia_programma(cartella.percorso());
    EXPECT_EQ(attendi_programma(primo), 0);
    EXPECT_EQ(attendi_programma(secondo), 0);
    ASSERT_TRUE(file_fissati(cartella));
    for (const auto& voce : std::filesystem::directory_iterator(cartella.percorso())) {
      const std::string nome = voce.path().filename().string();
      EXPECT_TRUE(voce.path() == programma || !nome.starts_with(".")) << nome << " is left in the folder";
    }
  }
}

TEST(CorseInsieme, ARunThatFindsTheFolderTakenSaysSoOnceAndWaits) {
  CartellaTemporanea cartella;
  std::optional<BloccoCartella> altra_corsa(std::in_place);
  ASSERT_TRUE(altra_corsa->prendi(cartella.percorso(), nullptr).ok());
  EsitoProgramma esito;
  std::thread corsa([&] { esito = esegui_programma(cartella.percorso()); });
  std::this_thread::sleep_for(tempo_di_avvio());
  EXPECT_FALSE(cartella.esiste("MilanoPGen-Alessandria_2635.sim")) << "the run did not wait";
  altra_corsa.reset();
  corsa.join();
  EXPECT_EQ(esito.stato, 0) << esito.err;
  const std::string avviso = "waiting for another run in " + cartella.percorso() + " to finish\n";
  EXPECT_EQ(esito.err, avviso);
  EXPECT_TRUE(file_fissati(cartella));
}

}  // namespace
}  // namespace scenario::test
