#include <gtest/gtest.h>

#include <string>

#include "platform/file_system.h"
#include "tests/cartella_temporanea.h"

namespace scenario {
namespace {

using test::CartellaTemporanea;

TEST(LetturaLimitata, ReadsUpToTheLimitAndNeverPastOneByteMore) {
  CartellaTemporanea cartella;
  cartella.scrivi("dieci", "0123456789");
  struct Caso {
    const char* nome;
    std::string percorso;
    uint64_t limite;
    bool ok;
    bool troppo_grande;
    uint64_t dimensione;
    std::string contenuto;
  };
  const Caso casi[] = {
      {.nome = "at the limit", .percorso = cartella.file("dieci"), .limite = 10, .ok = true, .troppo_grande = false,
       .dimensione = 10, .contenuto = "0123456789"},
      {.nome = "a regular file past it", .percorso = cartella.file("dieci"), .limite = 9, .ok = true, .troppo_grande = true,
       .dimensione = 10, .contenuto = ""},
      // A device without end tells no size: one byte past the limit is read.
      {.nome = "an endless device", .percorso = "/dev/zero", .limite = 9, .ok = true, .troppo_grande = true, .dimensione = 10,
       .contenuto = ""},
      {.nome = "a folder", .percorso = cartella.percorso(), .limite = 10, .ok = false, .troppo_grande = false, .dimensione = 0,
       .contenuto = ""},
  };
  for (const Caso& caso : casi) {
    SCOPED_TRACE(caso.nome);
    std::string contenuto = "earlier";
    bool troppo_grande = false;
    uint64_t dimensione = 0;
    const Status s = leggi_file_limitato(caso.percorso, caso.limite, &contenuto, &troppo_grande, &dimensione);
    EXPECT_EQ(s.ok(), caso.ok) << s.messaggio();
    EXPECT_EQ(troppo_grande, caso.troppo_grande);
    EXPECT_EQ(dimensione, caso.dimensione);
    EXPECT_EQ(contenuto, caso.contenuto);
  }
}

}  // namespace
}  // namespace scenario
