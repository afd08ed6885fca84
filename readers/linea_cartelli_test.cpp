#include <gtest/gtest.h>

#include <string>

#include "tests/linea_di_prova.h"

namespace scenario {
namespace {

using test::LineaDiProva;

TEST(Cartelli, RowsGrowDownFrom80) {
  LineaDiProva prova;
  EXPECT_TRUE(prova.leggi(test::descrizione({
      "cartello_indicatore,  1300,     (   P.L.  )(km 6+532)",
      "Cartello_Indicatore,  1275,     (Confluenza da)(  CINTURA)",  // 26.5 -> 26
      "cartello_indicatore,  1375,     ( Casello)(12 + 600)",          // 28.5 -> 28
  })));
  const Compilatore& stato = prova.stato;
  EXPECT_EQ(stato.codice_errore, 0);
  EXPECT_EQ(stato.elementi[80].testo, "(   P.L.  )(km 6+532)");
  EXPECT_EQ(stato.elementi[79].testo, "(Confluenza da)(  CINTURA)");
  EXPECT_EQ(stato.elementi[78].testo, "( Casello)(12 + 600)");
  EXPECT_EQ(stato.prossimo_cartello, 77);
  EXPECT_EQ(stato.celle[27].tipo, kCartello);
  EXPECT_EQ(stato.celle[27].valore_a, 80);
  EXPECT_EQ(stato.celle[26].tipo, kCartello);
  EXPECT_EQ(stato.celle[26].valore_a, 79);
  EXPECT_EQ(stato.celle[28].valore_a, 78);
}

TEST(Cartelli, AMountainMarkGivesWay) {
  LineaDiProva prova;
  // Marks on cells 3, 7, 11, 15 and 19; 100 m is cell 3.
  EXPECT_TRUE(prova.leggi(test::descrizione({"montagna,  0,  1000,  11", "cartello_indicatore,  100,  galleria"})));
  EXPECT_EQ(prova.stato.codice_errore, 0);
  EXPECT_EQ(prova.stato.celle[3].tipo, kCartello);
  EXPECT_EQ(prova.stato.celle[3].montagna, 1);
  EXPECT_EQ(prova.stato.celle[7].tipo, kMarcaMontagna);
}

TEST(Cartelli, EightyFillRowsDownToRow1) {
  std::string voci;
  for (int i = 0; i < 80; ++i) voci += "cartello_indicatore,  " + std::to_string(1000 + 100 * i) + ",  t\r\n";
  LineaDiProva prova;
  EXPECT_TRUE(prova.leggi(test::generale() + voci + "[fine]\r\n"));
  EXPECT_EQ(prova.stato.codice_errore, 0);
  EXPECT_EQ(prova.stato.prossimo_cartello, 0);
  EXPECT_EQ(prova.stato.elementi[1].testo, "t");
  EXPECT_EQ(prova.stato.elementi[0].testo, "");
}

}  // namespace
}  // namespace scenario
