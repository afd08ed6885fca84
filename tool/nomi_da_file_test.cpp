#include "tool/nomi_da_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace scenario::tool {
namespace {

TEST(NomiDaFile, APairNamedAsTheProgramNamesItGivesItsIdentity) {
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
    const std::optional<Identita> id = identita_dai_file(c.linea, c.treno);
    ASSERT_EQ(id.has_value(), c.nome.has_value()) << c.linea << " " << c.treno;
    if (!id) continue;
    EXPECT_EQ(id->nome_linea, *c.nome);
    EXPECT_EQ(id->numero_treno, *c.numero);
  }
}

}  // namespace
}  // namespace scenario::tool
