#include "driver/scrittura_file_compilati.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/decodifica_file.h"
#include "model/nomi_file.h"
#include "model/stato.h"
#include "tests/cartella_temporanea.h"

namespace scenario {
namespace {

// The cell file of a long line is written a run of cells at a time: every
// cell lands at 15 x its index, across the seams between runs.
TEST(ScritturaFileCompilati, CellsOfALongLineAcrossPieces) {
  test::CartellaTemporanea cartella;
  Compilatore stato;
  stato.celle.resize(20141);  // a line of 1000000 m
  for (size_t i = 0; i < stato.celle.size(); ++i) stato.celle[i].valore_a = static_cast<int16_t>(i);
  const NomiFile nomi(cartella.percorso(), "Prova", "1");
  ASSERT_TRUE(scrivi_file_compilati(nomi, stato).ok());

  const std::string scritto = cartella.leggi(nomi.nome_celle());
  ASSERT_EQ(scritto.size(), 15u * 20141u);
  std::vector<Cella> lette;
  Testo errore;
  ASSERT_TRUE(decodifica_celle(scritto, &lette, &errore)) << errore.inglese();
  for (size_t i = 0; i < lette.size(); ++i) ASSERT_EQ(lette[i].valore_a, static_cast<int16_t>(i)) << i;
}

}  // namespace
}  // namespace scenario
