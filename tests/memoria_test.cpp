// The compile step's memory does not grow with the line: the plan, one point
// per metre, is never held whole. Held as points, the longest line's plan
// would take 1007001 rows x 2 columns x 9 bytes, about 17.3 MiB; written, its
// file takes 19.2 MiB. What compiling that line and writing its files may add
// to the peak resident memory is bounded far below either.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "driver/compila_testi.h"
#include "driver/scrittura_file_compilati.h"
#include "model/nomi_file.h"
#include "tests/cartella_temporanea.h"
#include "tests/linea_generata.h"
#include "tests/picco_memoria.h"
#include "tests/strumentato.h"

namespace scenario::test {
namespace {

constexpr int64_t kLimiteKib = 4 * 1024;

TEST(MemoriaPiatta, TheLongestLineCompilesUnderAFixedBound) {
  if (kSanitizzato) GTEST_SKIP() << "AddressSanitizer keeps freed memory and its shadow resident";
  CartellaTemporanea cartella;
  TestiDaCompilare testi;
  testi.linea = {"linea.txt", linea_generata(1000000)};
  testi.treno = {"treno.txt", treno_generato(1000000)};
  const NomiFile nomi(cartella.percorso(), testi.nome_linea, testi.numero_treno);

  // The texts are in memory before the measure starts, as the tool holds them.
  const std::optional<int64_t> crescita = crescita_picco_kib([&] {
    const Compilazione c = compila_testi(testi);
    if (c.esito.file_scritti) scrivi_file_compilati(nomi, c.stato);
  });
  if (!crescita) GTEST_SKIP() << "the system does not report the peak resident memory";
  EXPECT_LT(*crescita, kLimiteKib) << "the compile raised the peak by " << *crescita << " KiB";

  // The child compiled the whole line: plan rows 0 to 1007000, metres 2 to
  // 1006998 computed, the last two empty, so a column takes
  // 4 + 4 + 10 x 1006997 + 2 + 2 bytes; cells 0 to 20140, 15 bytes each.
  EXPECT_EQ(cartella.leggi(nomi.nome_tracciato()).size(), 2u * 10069982u);
  EXPECT_EQ(cartella.leggi(nomi.nome_celle()).size(), 15u * 20141u);
}

}  // namespace
}  // namespace scenario::test
