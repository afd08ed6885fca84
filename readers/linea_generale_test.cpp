#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "model/punti_tracciato.h"
#include "tests/linea_di_prova.h"

namespace scenario {
namespace {

using test::LineaDiProva;
using test::righe;

TEST(SezioneGenerale, LengthSizesCellsAndPlan) {
  struct Caso {
    int32_t lunghezza;
    int32_t lunghezza_tracciato;
    int32_t ultima_cella;
  };
  // 95025 / 50 = 1900.5 and 95075 / 50 = 1901.5: halves go to the even cell.
  for (const Caso caso : {Caso{88000, 95000, 1900}, Caso{88025, 95025, 1900}, Caso{88075, 95075, 1902},
                          Caso{0, 7000, 140}, Caso{1000000, 1007000, 20140}}) {
    LineaDiProva prova;
    EXPECT_TRUE(prova.leggi(test::descrizione({}, caso.lunghezza))) << caso.lunghezza;
    const Compilatore& stato = prova.stato;
    EXPECT_EQ(stato.codice_errore, 0);
    EXPECT_EQ(stato.elementi[84].dato2, caso.lunghezza);
    EXPECT_EQ(stato.lunghezza_tracciato, caso.lunghezza_tracciato);
    EXPECT_EQ(stato.ultima_cella, caso.ultima_cella);
    EXPECT_EQ(stato.celle.size(), static_cast<size_t>(caso.ultima_cella) + 1);
    EXPECT_EQ(stato.tracciato.righe(), caso.lunghezza_tracciato + 1);
  }
}

TEST(SezioneGenerale, RepeatedLengthStartsAfresh) {
  LineaDiProva prova;
  EXPECT_TRUE(prova.leggi(righe({"[generale]", "lunghezza percorso,  88000", "lunghezza percorso,  10000", "[fine]"})));
  EXPECT_EQ(prova.stato.ultima_cella, 340);
  EXPECT_EQ(prova.stato.celle.size(), 341u);
  EXPECT_EQ(prova.stato.tracciato.righe(), 17001);
}

TEST(SezioneGenerale, NoPlanWithoutTheOption) {
  LineaDiProva prova;
  prova.stato.genera_tracciato = 0;
  // The curve key is no key then: its numbers are read as keys and skipped.
  EXPECT_TRUE(prova.leggi(test::descrizione({"curvad6,  100,  400", "pendenza,  500,  3"})));
  EXPECT_EQ(prova.stato.codice_errore, 0);
  EXPECT_FALSE(prova.stato.tracciato.presente());
  EXPECT_EQ(prova.stato.celle[10].pendenza, 103);
  EXPECT_TRUE(prova.stato.avvertimenti.empty());
}

using Terna = std::array<int32_t, 3>;

Terna riga(const Compilatore& stato, size_t n) {
  return {stato.elementi[n].dato1, stato.elementi[n].dato2, stato.elementi[n].dato3};
}

// Which keys are recognised and where their values land (after the sorting of
// the kilometre-post systems).
TEST(SezioneGenerale, KeysAndTheirRows) {
  struct Caso {
    std::string nome;
    std::vector<const char*> voci;
    Terna r81, r82, r83, r85;
  };
  const std::vector<Caso> casi = {
      {"kilometre posts", {"progressiva chilometrica uno,  0,  5200,  0"}, {0, 5200, 0}, {}, {}, {}},
      // "progressiva" is compared exactly; the values then match nothing.
      {"capital Progressiva", {"Progressiva chilometrica uno,  0,  5200,  0"}, {}, {}, {}, {}},
      // A key holding "uno", "due" and "progressiva" is read by both tests,
      // "due" first.
      {"two tests match", {"progressiva uno due,  10,  20,  30,  40,  50,  60"}, {40, 50, 60}, {10, 20, 30}, {}, {}},
      {"scenery", {"sfondo uno,  1", "sfondo due,  2", "sfondo tre,  3"}, {}, {}, {}, {1, 3, 2}},
      {"capital Sfondo", {"Sfondo uno,  1"}, {}, {}, {}, {}},
  };
  for (const Caso& caso : casi) {
    std::string testo = "[generale]\r\nLUNGHEZZA PERCORSO,  88000\r\n";  // length keys ignore case
    for (const char* voce : caso.voci) testo += std::string(voce) + "\r\n";
    LineaDiProva prova;
    EXPECT_TRUE(prova.leggi(testo + "[curve]\r\n[fine]\r\n")) << caso.nome;
    EXPECT_EQ(prova.stato.codice_errore, 0) << caso.nome;
    EXPECT_EQ(prova.stato.ultima_cella, 1900) << caso.nome;
    EXPECT_EQ(riga(prova.stato, 81), caso.r81) << caso.nome;
    EXPECT_EQ(riga(prova.stato, 82), caso.r82) << caso.nome;
    EXPECT_EQ(riga(prova.stato, 83), caso.r83) << caso.nome;
    EXPECT_EQ(riga(prova.stato, 85), caso.r85) << caso.nome;
  }
}

TEST(SezioneGenerale, SignalRepetition) {
  struct Caso {
    const char* voce;
    Terna riga86;
  };
  for (const Caso& caso : {
           Caso{"ripetizione segnali 4 codici,  0,  0", {0, 0, 0}},  // no second distance, no codes
           Caso{"ripetizione segnali 4 codici,  1000,  1500", {1000, 1500, 4}},
           Caso{"ripetizione segnali 9 codici,  1000,  1500", {1000, 1500, 9}},
           Caso{"ripetizione segnali 9 o 4 codici,  1000,  1500", {1000, 1500, 4}},
           Caso{"ripetizione segnali 9 codici,  1000,  0", {1000, 0, 0}},
       }) {
    LineaDiProva prova;
    EXPECT_TRUE(prova.leggi(righe({"[generale]", "lunghezza percorso,  88000", caso.voce, "[curve]", "[fine]"})));
    EXPECT_EQ(prova.stato.codice_errore, 0) << caso.voce;
    EXPECT_EQ(riga(prova.stato, 86), caso.riga86) << caso.voce;
  }
}

// Up to 10 comment fields in a row are passed over; the 11th is tried as a
// key and may close the section unless it begins with "-".
TEST(SezioneGenerale, CommentRuns) {
  auto note = [](int n) {
    std::string testo;
    for (int i = 0; i < n; ++i) testo += "- nota\r\n";
    return testo;
  };
  const std::string inizio = "[generale]\r\nlunghezza percorso,  88000\r\n";
  struct Caso {
    std::string nome;
    std::string testo;
    int32_t codice;
    int32_t lunghezza;
  };
  const std::vector<Caso> casi = {
      {"10 comments", inizio + note(9) + "- lunghezza percorso,  5000\r\n[curve]\r\n", 0, 88000},
      {"11th comment is a key", inizio + note(10) + "- lunghezza percorso,  5000\r\n[curve]\r\n", 0, 5000},
      {"11th comment with brackets does not close",
       "[generale]\r\n" + note(10) + "- [nota]\r\nlunghezza percorso,  88000\r\n[curve]\r\n", 0, 88000},
      {"11th field with brackets closes",
       "[generale]\r\n" + note(10) + "[nota] - x\r\nlunghezza percorso,  88000\r\n[curve]\r\n", 28, 0},
  };
  for (const Caso& caso : casi) {
    LineaDiProva prova;
    prova.leggi(caso.testo + "[fine]\r\n");
    EXPECT_EQ(prova.stato.codice_errore, caso.codice) << caso.nome;
    EXPECT_EQ(prova.stato.elementi[84].dato2, caso.lunghezza) << caso.nome;
  }
}

TEST(SezioneGenerale, ItsEndSetsUpTheObjectPart) {
  LineaDiProva prova;
  prova.stato.n_montagne = 5;
  prova.stato.prossimo_cartello = 12;
  EXPECT_TRUE(prova.leggi(test::descrizione({})));
  const Compilatore& stato = prova.stato;
  EXPECT_EQ(stato.n_montagne, 0);
  EXPECT_EQ(stato.prossimo_cartello, 80);
  // The line starts at the origin heading along y, as 16-bit integers.
  const PuntiTracciato t = punti_tracciato(stato.tracciato);
  for (size_t r : {0u, 1u}) {
    EXPECT_EQ(t.x[r].tag, TagPunto::kIntero);
    EXPECT_EQ(t.y[r].tag, TagPunto::kIntero);
    EXPECT_EQ(t.x[r].intero, 0);
    EXPECT_EQ(t.y[r].intero, static_cast<int16_t>(r));
  }
}

}  // namespace
}  // namespace scenario
