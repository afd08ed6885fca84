#include "layout/slot_riservati.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "layout/passata.h"
#include "model/codici_gara.h"
#include "model/file_compilati.h"
#include "model/stato.h"

namespace scenario {
namespace {

Compilatore scenario_di_prova() {
  Compilatore stato;
  stato.elementi[kRigaLinea].testo = "MilanoPGen-Alessandria";
  stato.elementi[kRigaTreno].testo = "2635";
  stato.celle.resize(60);
  stato.ultima_cella = 59;
  return stato;
}

Cella& cella(Compilatore& stato, size_t k) { return stato.celle.at(k); }

// The little-endian bytes of a value, as the compiled files hold it.
std::string byte_di(int64_t valore, int larghezza) {
  std::string out;
  for (int i = 0; i < larghezza; ++i) out.push_back(static_cast<char>((valore >> (8 * i)) & 0xFF));
  return out;
}

TEST(SlotRiservati, SlotAlreadyInUse) {
  struct Caso {
    const char* nome;
    std::function<void(Compilatore&)> usa;
    int32_t codice;
    bool timbrato;  // the stamps come before the second check
  };
  const std::vector<Caso> casi = {
      {.nome = "row 85 intero1",
       .usa = [](Compilatore& s) { s.elementi[kRigaLinea].intero1 = 1; },
       .codice = 1250,
       .timbrato = false},
      {.nome = "cell 1 valore_a",
       .usa = [](Compilatore& s) { cella(s, 1).valore_a = -3; },
       .codice = 1250,
       .timbrato = false},
      {.nome = "row 85 dato4",
       .usa = [](Compilatore& s) { s.elementi[kRigaLinea].dato4 = 7; },
       .codice = 1251,
       .timbrato = true},
      {.nome = "cell 1 valore_b",
       .usa = [](Compilatore& s) { cella(s, 1).valore_b = 1; },
       .codice = 1251,
       .timbrato = true},
  };
  for (const Caso& caso : casi) {
    SCOPED_TRACE(caso.nome);
    Compilatore stato = scenario_di_prova();
    caso.usa(stato);
    EXPECT_EQ(controlla_e_timbra(stato), caso.codice);
    EXPECT_EQ(stato.elementi[kRigaLinea].intero1 == 610, caso.timbrato);
    EXPECT_EQ(cella(stato, 1).valore_a == 5121, caso.timbrato);
  }
}

// Cell 1 is within reach of the layout pass: a marker it places there takes
// the stamp's slot.
TEST(SlotRiservati, MarkerOnCellOneEndsWith1250) {
  struct Caso {
    const char* nome;
    std::function<void(Compilatore&)> prepara;
  };
  const std::vector<Caso> casi = {
      {.nome = "window of a slowdown starting at cell 8, cells 3 and 2 taken",
       .prepara =
           [](Compilatore& s) {
             cella(s, 8) = Cella{.tipo = kInizioRallentamento, .valore_a = 120};
             cella(s, 12).tipo = kFineRallentamento;
             cella(s, 3).tipo = kCartello;
             cella(s, 2).tipo = kCartello;
           }},
      {.nome = "two cells before a signal in cell 3",
       .prepara =
           [](Compilatore& s) {
             cella(s, 10) = Cella{.tipo = kAvvisoRallentamento, .valore_a = 60};
             cella(s, 3).tipo = kSegnale;
             cella(s, 2).tipo = kCartello;
           }},
  };
  for (const Caso& caso : casi) {
    SCOPED_TRACE(caso.nome);
    Compilatore stato = scenario_di_prova();
    caso.prepara(stato);
    passata_layout(stato);
    ASSERT_EQ(cella(stato, 1).tipo, kAbbattimento);
    EXPECT_EQ(controlla_e_timbra(stato), 1250);
  }
}

TEST(SlotRiservati, StampsAndCodesInTheCompiledFiles) {
  Compilatore stato = scenario_di_prova();
  passata_layout(stato);
  ASSERT_EQ(controlla_e_timbra(stato), 0);
  memorizza_codici_gara(stato);

  // Cell 1 is bytes 15 to 29 of the cell file: tipo, valore_a, valore_b.
  const std::string celle = codifica_celle(stato.celle);
  ASSERT_EQ(celle.size(), 15u * 60u);
  EXPECT_EQ(celle.substr(16, 2), std::string("\x01\x14", 2));
  EXPECT_EQ(celle.substr(18, 2), byte_di(codice_gara_og(stato.elementi), 2));

  // Rows 0 to 84 are empty records of 34 bytes; row 85's text is 22 bytes,
  // followed by intero1, and dato4 closes the record.
  const std::string tabella = codifica_elementi(stato.elementi);
  const size_t riga85 = 85 * 34;
  EXPECT_EQ(tabella.substr(riga85 + 14, 2), std::string("\x16\x00", 2));
  EXPECT_EQ(tabella.substr(riga85 + 16 + 22, 2), std::string("\x62\x02", 2));
  EXPECT_EQ(tabella.substr(riga85 + 30 + 22, 4), byte_di(codice_gara_st(stato.elementi), 4));
}

}  // namespace
}  // namespace scenario
