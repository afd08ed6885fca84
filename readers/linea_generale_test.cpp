#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

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
  for (const Caso caso : {Caso{.lunghezza = 88000, .lunghezza_tracciato = 95000, .ultima_cella = 1900},
                          Caso{.lunghezza = 88025, .lunghezza_tracciato = 95025, .ultima_cella = 1900},
                          Caso{.lunghezza = 88075, .lunghezza_tracciato = 95075, .ultima_cella = 1902},
                          Caso{.lunghezza = 0, .lunghezza_tracciato = 7000, .ultima_cella = 140},
                          Caso{.lunghezza = 1000000, .lunghezza_tracciato = 1007000, .ultima_cella = 20140}}) {
    LineaDiProva prova;
    EXPECT_TRUE(prova.leggi(test::descrizione({}, caso.lunghezza))) << caso.lunghezza;
    const Compilatore& stato = prova.stato;
    EXPECT_EQ(stato.codice_errore, 0);
    EXPECT_EQ(stato.elementi[84].dato2, caso.lunghezza);
    EXPECT_EQ(stato.lunghezza_tracciato, caso.lunghezza_tracciato);
    EXPECT_EQ(stato.ultima_cella, caso.ultima_cella);
    EXPECT_EQ(stato.celle.size(), static_cast<size_t>(caso.ultima_cella) + 1);
    EXPECT_EQ(stato.tracciato.x.size(), static_cast<size_t>(caso.lunghezza_tracciato) + 1);
    EXPECT_EQ(stato.tracciato.y.size(), static_cast<size_t>(caso.lunghezza_tracciato) + 1);
  }
}

TEST(SezioneGenerale, RepeatedLengthStartsAfresh) {
  LineaDiProva prova;
  EXPECT_TRUE(prova.leggi(righe({"[generale]", "lunghezza percorso,  88000", "lunghezza percorso,  10000", "[fine]"})));
  EXPECT_EQ(prova.stato.ultima_cella, 340);
  EXPECT_EQ(prova.stato.celle.size(), 341u);
  EXPECT_EQ(prova.stato.tracciato.x.size(), 17001u);
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
    Terna r81 = {}, r82 = {}, r83 = {}, r85 = {};
  };
  const std::vector<Caso> casi = {
      {.nome = "kilometre posts", .voci = {"progressiva chilometrica uno,  0,  5200,  0"}, .r81 = {0, 5200, 0}},
      // "progressiva" is compared exactly; the values then match nothing.
      {.nome = "capital Progressiva", .voci = {"Progressiva chilometrica uno,  0,  5200,  0"}},
      // A key holding "uno", "due" and "progressiva" is read by both tests,
      // "due" first.
      {.nome = "two tests match",
       .voci = {"progressiva uno due,  10,  20,  30,  40,  50,  60"},
       .r81 = {40, 50, 60},
       .r82 = {10, 20, 30}},
      {.nome = "scenery", .voci = {"sfondo uno,  1", "sfondo due,  2", "sfondo tre,  3"}, .r85 = {1, 3, 2}},
      {.nome = "capital Sfondo", .voci = {"Sfondo uno,  1"}},
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

// An entry that fails part way keeps what was stored before the failed read:
// the values its earlier fields read, and whatever an earlier entry left in the
// fields it did not reach. No sorting of the kilometre-post systems follows.
TEST(SezioneGenerale, AFaultKeepsWhatWasStoredBeforeIt) {
  struct Caso {
    const char* nome;
    std::string testo;
    int32_t codice;
    Terna r83 = {}, r84 = {}, r85 = {};
  };
  const std::vector<Caso> casi = {
      {.nome = "a scenery value that is no number leaves the earlier one",
       .testo =
           righe({"[generale]", "lunghezza percorso,  3000", "sfondo uno,  4", "sfondo uno,  x4", "[curve]", "[fine]"}),
       .codice = 25,
       .r84 = {0, 3000, 0},
       .r85 = {4, 0, 0}},
      {.nome = "the text ends inside a kilometre-post entry: its direction stays the earlier one",
       .testo = righe({"[generale]", "lunghezza percorso,  3000", "progressiva chilometrica uno,  100,  5200,  1"}) +
                "progressiva chilometrica uno,  300,  600",
       .codice = 25,
       .r83 = {300, 600, 1},
       .r84 = {0, 3000, 0}},
      // A refused length is stored all the same, the negative one as the one
      // above 1000000.
      {.nome = "a negative length replaces the earlier one",
       .testo = righe({"[generale]", "lunghezza percorso,  3000", "lunghezza percorso,  -100", "[curve]", "[fine]"}),
       .codice = 29,
       .r84 = {0, -100, 0}},
      {.nome = "a length above 1000000 replaces the earlier one",
       .testo = righe({"[generale]", "lunghezza percorso,  3000", "lunghezza percorso,  1000001", "[curve]", "[fine]"}),
       .codice = 1,
       .r84 = {0, 1000001, 0}},
  };
  for (const Caso& caso : casi) {
    LineaDiProva prova;
    EXPECT_FALSE(prova.leggi(caso.testo)) << caso.nome;
    EXPECT_EQ(prova.stato.codice_errore, caso.codice) << caso.nome;
    EXPECT_EQ(riga(prova.stato, 83), caso.r83) << caso.nome;
    EXPECT_EQ(riga(prova.stato, 84), caso.r84) << caso.nome;
    EXPECT_EQ(riga(prova.stato, 85), caso.r85) << caso.nome;
  }
}

TEST(SezioneGenerale, SignalRepetition) {
  struct Caso {
    const char* voce;
    Terna riga86;
  };
  for (const Caso& caso : {
           Caso{.voce = "ripetizione segnali 4 codici,  0,  0", .riga86 = {0, 0, 0}},  // no second distance, no codes
           Caso{.voce = "ripetizione segnali 4 codici,  1000,  1500", .riga86 = {1000, 1500, 4}},
           Caso{.voce = "ripetizione segnali 9 codici,  1000,  1500", .riga86 = {1000, 1500, 9}},
           Caso{.voce = "ripetizione segnali 9 o 4 codici,  1000,  1500", .riga86 = {1000, 1500, 4}},
           Caso{.voce = "ripetizione segnali 9 codici,  1000,  0", .riga86 = {1000, 0, 0}},
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
      {.nome = "10 comments",
       .testo = inizio + note(9) + "- lunghezza percorso,  5000\r\n[curve]\r\n",
       .codice = 0,
       .lunghezza = 88000},
      {.nome = "11th comment is a key",
       .testo = inizio + note(10) + "- lunghezza percorso,  5000\r\n[curve]\r\n",
       .codice = 0,
       .lunghezza = 5000},
      {.nome = "11th comment with brackets does not close",
       .testo = "[generale]\r\n" + note(10) + "- [nota]\r\nlunghezza percorso,  88000\r\n[curve]\r\n",
       .codice = 0,
       .lunghezza = 88000},
      {.nome = "11th field with brackets closes",
       .testo = "[generale]\r\n" + note(10) + "[nota] - x\r\nlunghezza percorso,  88000\r\n[curve]\r\n",
       .codice = 28,
       .lunghezza = 0},
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
  for (size_t r : {0u, 1u}) {
    EXPECT_EQ(stato.tracciato.x[r].tag, TagPunto::kIntero);
    EXPECT_EQ(stato.tracciato.y[r].tag, TagPunto::kIntero);
    EXPECT_EQ(stato.tracciato.x[r].intero, 0);
    EXPECT_EQ(stato.tracciato.y[r].intero, static_cast<int16_t>(r));
  }
}

}  // namespace
}  // namespace scenario
