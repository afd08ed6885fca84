#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "model/stato.h"
#include "readers/linea_progressive.h"

namespace scenario {
namespace {

using Terna = std::array<int32_t, 3>;  // start, value, direction

struct Caso {
  std::string nome;
  Terna tre = {}, due = {}, uno = {};           // as read: rows 81, 82, 83
  Terna riga81 = {}, riga82 = {}, riga83 = {};  // after sorting
};

void scrivi(Elemento& riga, const Terna& t) {
  riga.dato1 = t[0];
  riga.dato2 = t[1];
  riga.dato3 = t[2];
}

Terna leggi(const Elemento& riga) { return {riga.dato1, riga.dato2, riga.dato3}; }

TEST(ProgressiveOrdina, Cases) {
  const std::vector<Caso> casi = {
      // The scenario's systems: decreasing ones gain 100.
      {.nome = "scenario",
       .tre = {44400, 86700, 1},
       .due = {31700, 44400, 1},
       .uno = {0, 5200, 0},
       .riga81 = {44400, 86800, 1},
       .riga82 = {31700, 44500, 1},
       .riga83 = {0, 5200, 0}},
      {.nome = "due furthest",
       .tre = {100, 1, 0},
       .due = {900, 2, 0},
       .uno = {500, 3, 0},
       .riga81 = {900, 2, 0},
       .riga82 = {500, 3, 0},
       .riga83 = {100, 1, 0}},
      {.nome = "uno furthest, tre before due",
       .tre = {300, 1, 0},
       .due = {200, 2, 0},
       .uno = {700, 3, 0},
       .riga81 = {700, 3, 0},
       .riga82 = {300, 1, 0},
       .riga83 = {200, 2, 0}},
      {.nome = "uno furthest, tre and due equal",
       .tre = {200, 1, 0},
       .due = {200, 2, 0},
       .uno = {700, 3, 0},
       .riga81 = {700, 3, 0},
       .riga82 = {200, 2, 0},
       .riga83 = {200, 1, 0}},
      // Starts adding up to 0: by value, a later test overriding an earlier one.
      {.nome = "only uno",
       .tre = {0, 0, 0},
       .due = {0, 0, 0},
       .uno = {0, 5200, 0},
       .riga81 = {0, 5200, 0},
       .riga82 = {0, 0, 0},
       .riga83 = {0, 0, 0}},
      {.nome = "tre and due valued",
       .tre = {0, 7, 0},
       .due = {0, 8, 1},
       .uno = {0, 0, 0},
       .riga81 = {0, 108, 1},
       .riga82 = {0, 7, 0},
       .riga83 = {0, 0, 0}},
      {.nome = "all valued",
       .tre = {0, 7, 0},
       .due = {0, 8, 0},
       .uno = {0, 9, 0},
       .riga81 = {0, 9, 0},
       .riga82 = {0, 8, 0},
       .riga83 = {0, 7, 0}},
      {.nome = "nothing valued",
       .tre = {0, -5, 1},
       .due = {0, 0, 1},
       .uno = {0, 0, 0},
       .riga81 = {0, 0, 0},
       .riga82 = {0, 0, 0},
       .riga83 = {0, 0, 0}},
      // A tie for the furthest start clears all three.
      {.nome = "tie",
       .tre = {44400, 86700, 1},
       .due = {44400, 44400, 1},
       .uno = {0, 5200, 0},
       .riga81 = {0, 0, 0},
       .riga82 = {0, 0, 0},
       .riga83 = {0, 0, 0}},
  };
  for (const Caso& caso : casi) {
    Compilatore stato;
    scrivi(stato.elementi[kRigaProgressivaTre], caso.tre);
    scrivi(stato.elementi[kRigaProgressivaDue], caso.due);
    scrivi(stato.elementi[kRigaProgressivaUno], caso.uno);
    stato.elementi[kRigaProgressivaTre].testo = "untouched";
    progressive_ordina(stato);
    EXPECT_EQ(leggi(stato.elementi[kRigaProgressivaTre]), caso.riga81) << caso.nome;
    EXPECT_EQ(leggi(stato.elementi[kRigaProgressivaDue]), caso.riga82) << caso.nome;
    EXPECT_EQ(leggi(stato.elementi[kRigaProgressivaUno]), caso.riga83) << caso.nome;
    EXPECT_EQ(stato.elementi[kRigaProgressivaTre].testo, "untouched") << caso.nome;
    EXPECT_EQ(stato.codice_errore, 0) << caso.nome;
  }
}

TEST(ProgressiveOrdina, TieIsAPrintedWarning) {
  Compilatore stato;
  scrivi(stato.elementi[kRigaProgressivaTre], {44400, 86700, 1});
  scrivi(stato.elementi[kRigaProgressivaDue], {44400, 44400, 1});
  progressive_ordina(stato);
  ASSERT_EQ(stato.avvertimenti.size(), 1u);
  EXPECT_TRUE(stato.avvertimenti[0].anche_nel_programma);
  EXPECT_NE(stato.avvertimenti[0].testo.find("44400"), std::string::npos);
  EXPECT_TRUE(stato.guasti.empty());

  Compilatore ordinato;
  scrivi(ordinato.elementi[kRigaProgressivaUno], {0, 5200, 0});
  progressive_ordina(ordinato);
  EXPECT_TRUE(ordinato.avvertimenti.empty());
}

TEST(ProgressiveOrdina, DecreasingValueBeyond32BitsIsRefused) {
  Compilatore stato;
  scrivi(stato.elementi[kRigaProgressivaUno], {0, 2147483600, 1});
  progressive_ordina(stato);
  EXPECT_EQ(stato.codice_errore, 25);
  EXPECT_EQ(leggi(stato.elementi[kRigaProgressivaUno]), (Terna{0, 2147483600, 1}));  // nothing rewritten
}

}  // namespace
}  // namespace scenario
