// The commands that read a compiled scenario back do not grow with the line:
// the plan, one point per metre, is read a piece at a time and never held
// whole. Held as points, the longest line's plan would take 1007001 metres x
// 2 columns x 9 bytes, about 17.3 MiB; its file takes 19.2 MiB. What drawing,
// viewing or decompiling that line adds to the peak resident memory stays
// below either.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "tests/cartella_temporanea.h"
#include "tests/linea_generata.h"
#include "tests/picco_memoria.h"
#include "tests/strumentato.h"
#include "tool/prova_tool.h"

namespace scenario::tool {
namespace {

constexpr int64_t kLimiteKib = 16 * 1024;

TEST(MemoriaComandi, TheLongestLineIsDrawnViewedAndDecompiledUnderAFixedBound) {
  if (test::kSanitizzato) GTEST_SKIP() << "AddressSanitizer keeps freed memory and its shadow resident";
  test::CartellaTemporanea cartella;
  cartella.scrivi("linea.txt", test::linea_generata(1000000));
  cartella.scrivi("treno.txt", test::treno_generato(1000000));
  const std::string compilati = cartella.file("compilati"), decompilati = cartella.file("decompilati");
  const Uscita compilato = esegui({"compile", cartella.file("linea.txt"), cartella.file("treno.txt"), "-o", compilati,
                                   "--line-name", "Lunga", "--train-number", "1"});
  ASSERT_EQ(compilato.stato, 0) << compilato.err;

  struct Caso {
    const char* nome;
    Args args;
  };
  const Caso casi[] = {
      {"plot", {"plot", compilati, "-o", cartella.file("pianta.svg")}},
      {"view", {"view", compilati, "-o", cartella.file("pagina.html")}},
      {"decompile", {"decompile", compilati, "-o", decompilati}},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.nome);
    // The command runs in a child; what it leaves on disk is checked below.
    const std::optional<int64_t> crescita = test::crescita_picco_kib([&] { esegui(c.args); });
    if (!crescita) GTEST_SKIP() << "the system does not report the peak resident memory";
    EXPECT_LT(*crescita, kLimiteKib) << c.nome << " raised the peak by " << *crescita << " KiB";
  }
  // The commands did their whole work: the picture, the page and both texts
  // were written.
  EXPECT_GT(cartella.leggi("pianta.svg").size(), 0u);
  EXPECT_GT(cartella.leggi("pagina.html").size(), 0u);
  EXPECT_GT(cartella.leggi("decompilati/Lunga_linea.txt").size(), 0u);
  EXPECT_GT(cartella.leggi("decompilati/Lunga_1-.txt").size(), 0u);
}

}  // namespace
}  // namespace scenario::tool
