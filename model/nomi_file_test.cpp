#include "model/nomi_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

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

TEST(NomiFile, APairNamedAsTheProgramNamesItGivesItsIdentity) {
  struct Caso {
    std::string linea, treno;
    std::optional<std::string> nome{}, numero{};
  };
  const std::vector<Caso> casi = {
      {.linea = "MilanoPGen-Alessandria_linea.txt",
       .treno = "MilanoPGen-Alessandria_2635-.txt",
       .nome = "MilanoPGen-Alessandria",
       .numero = "2635"},
      {.linea = "/a/b/Valle_linea.txt", .treno = "../c/Valle_R12-.txt", .nome = "Valle", .numero = "R12"},
      // The train's NAME must be the line's.
      {.linea = "Valle_linea.txt", .treno = "Monte_2635-.txt"},
      // Names of another shape, or with a part left empty.
      {.linea = "linea.txt", .treno = "treno.txt"},
      {.linea = "_linea.txt", .treno = "_2635-.txt"},
      {.linea = "Valle_linea.txt", .treno = "Valle_-.txt"},
      {.linea = "Valle_linea.txt", .treno = "Valle_2635.txt"},
      {.linea = "Valle_linea.txt.bak", .treno = "Valle_2635-.txt"},
  };
  for (const Caso& c : casi) {
    const std::optional<IdentitaScenario> id = identita_da_descrizioni(c.linea, c.treno);
    ASSERT_EQ(id.has_value(), c.nome.has_value()) << c.linea << " " << c.treno;
    if (!id) continue;
    EXPECT_EQ(id->nome_linea, *c.nome);
    EXPECT_EQ(id->numero_treno, *c.numero);
  }
}

TEST(NomiFile, ATableFileNameGivesItsIdentity) {
  struct Caso {
    std::string nome;
    std::optional<std::string> linea{}, treno{};
  };
  const std::vector<Caso> casi = {
      {.nome = "Valle_R12.sim", .linea = "Valle", .treno = "R12"},
      // A line name may hold underscores: the last one splits.
      {.nome = "Alta_Valle_7.sim", .linea = "Alta_Valle", .treno = "7"},
      {.nome = "Valle.sim"},
      {.nome = "_7.sim"},
      {.nome = "Valle_.sim"},
      {.nome = ".sim"},
      {.nome = "Valle_7.dat"},
  };
  for (const Caso& c : casi) {
    const std::optional<IdentitaScenario> id = identita_da_tabella(c.nome);
    ASSERT_EQ(id.has_value(), c.linea.has_value()) << c.nome;
    if (!id) continue;
    EXPECT_EQ(id->nome_linea, *c.linea);
    EXPECT_EQ(id->numero_treno, *c.treno);
  }
}

TEST(NomiFile, TheCompiledFilesOfACompile) {
  const NomiFile n("/cartella", "Valle", "7");
  EXPECT_EQ(n.nomi_compilati(true), (std::vector<std::string>{"Valle_linea.dat", "Valle_7.sim", "Valle_7.dat"}));
  EXPECT_EQ(n.nomi_compilati(false), (std::vector<std::string>{"Valle_7.sim", "Valle_7.dat"}));
}

}  // namespace
}  // namespace scenario
