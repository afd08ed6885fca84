#include "platform/blocco_cartella.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <optional>
#include <thread>

#include "tests/cartella_temporanea.h"
#include "tests/motivo_mancante.h"

namespace scenario {
namespace {

using test::CartellaTemporanea;

TEST(BloccoCartella, ASecondHolderIsToldOnceAndWaitsForTheFirst) {
  CartellaTemporanea cartella;
  std::optional<BloccoCartella> primo(std::in_place);
  ASSERT_TRUE(primo->prendi(cartella.percorso(), [] { FAIL() << "the folder was free"; }).ok());

  std::atomic<int> avvisi = 0;
  std::atomic<bool> preso = false;
  std::thread secondo([&] {
    BloccoCartella blocco;
    EXPECT_TRUE(blocco.prendi(cartella.percorso(), [&] { ++avvisi; }).ok());
    preso = true;
  });
  while (avvisi == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_FALSE(preso);
  primo.reset();
  secondo.join();
  EXPECT_TRUE(preso);
  EXPECT_EQ(avvisi, 1);
  // The lock is on the folder itself: nothing was made in it.
  EXPECT_TRUE(std::filesystem::is_empty(cartella.percorso()));
}

TEST(BloccoCartella, AFolderThatCannotBeOpenedIsNamedWithTheReason) {
  CartellaTemporanea cartella;
  BloccoCartella blocco;
  const Status s = blocco.prendi(cartella.file("manca"), nullptr);
  ASSERT_FALSE(s.ok());
  EXPECT_EQ(s.messaggio(), "cannot open the folder " + cartella.file("manca") + ": " + test::motivo_file_mancante());
}

}  // namespace
}  // namespace scenario
