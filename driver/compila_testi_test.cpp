#include "driver/compila_testi.h"

#include <gtest/gtest.h>

#include "content/documenti.h"
#include "content/lista_righe.h"
#include "tests/linea_di_prova.h"
#include "tests/sha256.h"

namespace scenario {
namespace {

TestiDaCompilare testi_scenario() {
  TestiDaCompilare testi;
  testi.linea = {"linea.txt", ListaRighe(righe_linea()).testo()};
  testi.treno = {"treno.txt", ListaRighe(righe_treno()).testo()};
  return testi;
}

// The scenario's texts compiled in memory give the bytes the program writes
// (the same sizes and digests as the pinned files).
TEST(CompilaTesti, TheScenarioGivesThePinnedBytes) {
  const Compilazione c = compila_testi(testi_scenario());
  EXPECT_EQ(c.stato.codice_errore, 0);
  EXPECT_EQ(c.esito.fatale, 0);
  ASSERT_TRUE(c.esito.file_scritti);
  ASSERT_TRUE(c.file.has_value());
  ASSERT_TRUE(c.file->tracciato.has_value());
  EXPECT_EQ(c.file->tracciato->size(), 1899964u);
  EXPECT_EQ(test::sha256_hex(*c.file->tracciato), "c10f4dfd83a9d7ce0b799a6a0a6773fed489479f5b8f84336497684199620723");
  EXPECT_EQ(c.file->tabella.size(), 4596u);
  EXPECT_EQ(test::sha256_hex(c.file->tabella), "b4de89f018cd0bcd6fa088164fddaa84c636c23e255274016b55e7c429ed2044");
  EXPECT_EQ(c.file->celle.size(), 28515u);
  EXPECT_EQ(test::sha256_hex(c.file->celle), "3edce56b2fb9112e0c527d91ab50a7147aec9779b13be327ae0976b8dd0bcf07");
}

TEST(CompilaTesti, WithoutAPlanNoPlanBytes) {
  TestiDaCompilare testi = testi_scenario();
  testi.tracciato = false;
  const Compilazione c = compila_testi(testi);
  ASSERT_TRUE(c.file.has_value());
  EXPECT_FALSE(c.file->tracciato.has_value());
  EXPECT_EQ(c.file->celle.size(), 28515u);
}

// Faults name the texts by the names given; a compile that stops before the
// cells has no files, one whose reserved slot is taken neither.
TEST(CompilaTesti, EndsAsTheProgramWould) {
  struct Caso {
    const char* nome;
    std::string linea;
    int32_t codice;
    bool senza_celle;
    int32_t fatale;
    int riga;
  };
  const Caso casi[] = {
      // The search reads the one empty field, on line 1.
      {.nome = "no general section", .linea = "", .codice = 102, .senza_celle = true, .fatale = 0, .riga = 1},
      {.nome = "line length above the limit",
       .linea = test::righe({"[generale]", "lunghezza percorso,  2000000", "[fine]"}),
       .codice = 1, .senza_celle = true, .fatale = 0, .riga = 2},
      // An indicator at 0 m lands on cell 0/50 + 1 = 1, the stamp's cell.
      {.nome = "stamp's slot in use",
       .linea = test::descrizione({"indicatori_vmax,  0,  90,  90,  90,  0,  ,  ,  ,  0"}, 10000),
       .codice = 0, .senza_celle = false, .fatale = 1250, .riga = 0},
  };
  for (const Caso& caso : casi) {
    TestiDaCompilare testi;
    testi.linea = {"a/linea.txt", caso.linea};
    testi.treno = {"a/treno.txt", test::righe({"[generale]", "[fine]"})};
    const Compilazione c = compila_testi(testi);
    EXPECT_EQ(c.stato.codice_errore, caso.codice) << caso.nome;
    EXPECT_EQ(c.esito.senza_celle, caso.senza_celle) << caso.nome;
    EXPECT_EQ(c.esito.fatale, caso.fatale) << caso.nome;
    EXPECT_FALSE(c.file.has_value()) << caso.nome;
    EXPECT_FALSE(c.esito.file_scritti) << caso.nome;
    if (caso.codice != 0) {
      ASSERT_EQ(c.stato.guasti.size(), 1u) << caso.nome;
      EXPECT_EQ(c.stato.guasti[0].file, "a/linea.txt") << caso.nome;
      EXPECT_EQ(c.stato.guasti[0].riga, caso.riga) << caso.nome;
    }
  }
}

}  // namespace
}  // namespace scenario
