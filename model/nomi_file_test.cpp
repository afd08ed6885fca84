#include "model/nomi_file.h"

#include <gtest/gtest.h>

namespace scenario {
namespace {

TEST(NomiFile, EveryNameOfTheScenario) {
  const NomiFile n("/cartella", "MilanoPGen-Alessandria", "2635");
  EXPECT_EQ(n.descrizione_linea(), "/cartella/MilanoPGen-Alessandria_linea.txt");
  EXPECT_EQ(n.descrizione_treno(), "/cartella/MilanoPGen-Alessandria_2635-.txt");
  EXPECT_EQ(n.note(), "/cartella/MilanoPGen-Alessandria_2635_note.txt");
  EXPECT_EQ(n.rallentamenti(), "/cartella/MilanoPGen-Alessandria_2635_rallentamenti.txt");
  EXPECT_EQ(n.scheda(), "/cartella/MilanoPGen-Alessandria_2635_scheda_treno.txt");
  EXPECT_EQ(n.tracciato(), "/cartella/MilanoPGen-Alessandria_linea.dat");
  EXPECT_EQ(n.tabella(), "/cartella/MilanoPGen-Alessandria_2635.sim");
  EXPECT_EQ(n.celle(), "/cartella/MilanoPGen-Alessandria_2635.dat");
}

TEST(NomiFile, FolderEndingInSeparatorGivesADoubledOne) {
  EXPECT_EQ(NomiFile("/", "a", "1").tabella(), "//a_1.sim");
}

}  // namespace
}  // namespace scenario
