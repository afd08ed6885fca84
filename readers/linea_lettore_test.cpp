#include "readers/linea_lettore.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "model/nomi_file.h"
#include "readers/memorizza_dati.h"
#include "tests/linea_di_prova.h"

namespace scenario {
namespace {

using test::descrizione;
using test::generale;
using test::LineaDiProva;
using test::righe;

TEST(LettoreLinea, IdentityIsCopiedFirst) {
  LineaDiProva prova;
  EXPECT_FALSE(prova.leggi());  // no description at all
  EXPECT_EQ(prova.stato.elementi[85].testo, "MilanoPGen-Alessandria");
  EXPECT_EQ(prova.stato.elementi[86].testo, "2635");
}

TEST(LettoreLinea, MissingDescriptionIs101AndDeletesNothing) {
  LineaDiProva prova;
  prova.cartella.scrivi("MilanoPGen-Alessandria_linea.TXT", "[generale]\r\n");
  EXPECT_FALSE(prova.leggi());
  EXPECT_EQ(prova.stato.codice_errore, 101);
  ASSERT_EQ(prova.stato.guasti.size(), 1u);
  EXPECT_EQ(prova.stato.guasti[0].file, "MilanoPGen-Alessandria_linea.txt");
  EXPECT_TRUE(prova.cartella.esiste("MilanoPGen-Alessandria_linea.TXT"));
  EXPECT_FALSE(prova.stato.ha_celle());
}

TEST(LettoreLinea, SearchForTheGeneralSection) {
  struct Caso {
    std::string nome;
    std::string testo;
    bool trovata;
  };
  const std::vector<Caso> casi = {
      {"empty file", "", false},
      {"no section", righe({"lunghezza percorso,  88000", "[curve]", "[fine]"}), false},
      // The read that reaches the end fails the search, whatever it returned.
      {"heading is the last field", righe({"prima", "[generale]"}), false},
      {"heading is the last field, no line end", "prima\r\n[generale]", false},
      {"anything before is passed over, case ignored",
       righe({"intestazione, lunghezza percorso,  5", "[Generale]", "lunghezza percorso,  88000", "[curve]", "[fine]"}),
       true},
  };
  for (const Caso& caso : casi) {
    LineaDiProva prova;
    EXPECT_EQ(prova.leggi(caso.testo), caso.trovata) << caso.nome;
    EXPECT_EQ(prova.stato.codice_errore, caso.trovata ? 0 : 102) << caso.nome;
    EXPECT_EQ(prova.stato.ha_celle(), caso.trovata) << caso.nome;
    if (caso.trovata) {
      EXPECT_EQ(prova.stato.elementi[84].dato2, 88000) << caso.nome;
    }
    EXPECT_FALSE(prova.cartella.esiste(prova.nome_file())) << caso.nome;
  }
}

// The last field of the file is never tried as a key; values that end the
// file were read by their key and count.
TEST(LettoreLinea, LastFieldRule) {
  struct Caso {
    std::string nome;
    std::string testo;
    uint8_t pendenza_cella_10;
  };
  const std::vector<Caso> casi = {
      {"values end the file", generale() + "pendenza,  500,  3", 103},
      {"values end the file, line end after them", generale() + "pendenza,  500,  3\r\n", 103},
      {"a key is the last field", generale() + "pendenza,  400,  2\r\npendenza", 102},
      {"a key is the last field, values missing", generale() + "pendenza,  400,  2\r\npendenza\r\n", 102},
  };
  for (const Caso& caso : casi) {
    LineaDiProva prova;
    EXPECT_TRUE(prova.leggi(caso.testo)) << caso.nome;
    EXPECT_EQ(prova.stato.codice_errore, 0) << caso.nome;
    EXPECT_EQ(prova.stato.celle[10].pendenza, caso.pendenza_cella_10) << caso.nome;
  }
}

TEST(LettoreLinea, UnclosedGeneralSectionEndsAtTheEndOfTheFile) {
  LineaDiProva prova;
  EXPECT_TRUE(prova.leggi("[generale]\r\nlunghezza percorso,  88000\r\n"));
  EXPECT_EQ(prova.stato.codice_errore, 0);
  EXPECT_EQ(prova.stato.prossimo_cartello, 80);
  EXPECT_EQ(prova.stato.celle[1897].pendenza, 100);  // the tails ran
  EXPECT_EQ(prova.stato.tracciato.y[94998].valore(), 94998.0);
}

TEST(LettoreLinea, CommentFieldsInTheObjectPart) {
  struct Caso {
    std::string nome;
    std::string testo;
    uint8_t pendenza_cella_10;  // 100 when the entry was not applied
  };
  const std::vector<Caso> casi = {
      {"two comments", descrizione({"- nota, - altra nota, pendenza,  500,  3"}), 103},
      // A third one is tried as a key, and this one holds "pendenza".
      {"third comment is a key", descrizione({"- a, - b, - pendenza,  500,  3"}), 103},
      // The second comment is passed over with the key: its values are keys
      // that match nothing.
      {"comment eats the key", descrizione({"- a, - pendenza,  500,  3"}), 100},
      {"negative value is no comment", descrizione({"pendenza,  500,  -3"}), 97},
  };
  for (const Caso& caso : casi) {
    LineaDiProva prova;
    EXPECT_TRUE(prova.leggi(caso.testo)) << caso.nome;
    EXPECT_EQ(prova.stato.celle[10].pendenza, caso.pendenza_cella_10) << caso.nome;
    EXPECT_EQ(prova.stato.celle[9].pendenza, 100) << caso.nome;
  }
}

// Every fault of the line half: its code, its position where it has one, the
// line of the description where it was met, and whether the train half runs.
// The description is deleted on every path.
struct CasoGuasto {
  std::string nome;
  std::string testo;
  int32_t codice;
  std::optional<int32_t> posizione;
  int riga;
  bool treno = false;
};

std::string molti(const char* formato, int quanti, int primo, int passo) {
  std::string testo = generale();
  char riga[128];
  for (int i = 0; i < quanti; ++i) {
    std::snprintf(riga, sizeof riga, formato, primo + i * passo, primo + i * passo + 100);
    testo += riga;
    testo += "\r\n";
  }
  return testo + "[fine]\r\n";
}

std::vector<CasoGuasto> casi_guasto() {
  const std::string ripetizione = "[generale]\r\nlunghezza percorso,  88000\r\n";
  return {
      {"102", righe({"lunghezza percorso,  88000", "[curve]"}), 102, std::nullopt, 2},
      {"1", righe({"[generale]", "lunghezza percorso,  1000001", "[curve]", "[fine]"}), 1, std::nullopt, 2},
      {"29", righe({"[generale]", "lunghezza percorso,  -1", "[curve]", "[fine]"}), 29, std::nullopt, 2},
      {"3", ripetizione + righe({"ripetizione segnali 4 codici,  25,  0", "[fine]"}), 3, std::nullopt, 3},
      {"4", ripetizione + righe({"ripetizione segnali 4 codici,  50,  30", "[fine]"}), 4, std::nullopt, 3},
      {"5", ripetizione + righe({"ripetizione segnali codici,  50,  100", "[fine]"}), 5, std::nullopt, 3},
      {"28", righe({"[generale]", "sfondo uno,  1", "[curve]", "pendenza,  100,  2", "[fine]"}), 28, std::nullopt, 3},
      {"28 at the end of the file", righe({"[generale]", "sfondo uno,  1"}), 28, std::nullopt, 2},
      {"6", descrizione({"cartello_indicatore,  1300,  a", "cartello_indicatore,  1310,  b"}), 6, 1310, 5},
      {"15 gradient", descrizione({"pendenza,  95000,  1"}), 15, 95000, 4, true},
      {"15 curve", descrizione({"curvad1,  94950,  10"}), 15, 94950, 4, true},
      {"15 mountain", descrizione({"montagna,  95000,  94000,  1"}), 15, 95000, 4, true},
      {"15 indicators", descrizione({"indicatori_vmax,  95000,  90,  90,  90,  0,  ,  ,  ,  0"}), 15, 95000, 4, true},
      {"15 signpost", descrizione({"pendenza,  100,  1", "cartello_indicatore,  94901,  a"}), 15, 94901, 5, true},
      {"21", descrizione({"cartello_indicatore,  1300,  a", "indicatori_vmax,  1300,  90,  0,  0,  0,  ,  ,  ,  0"}), 21,
       1300, 5},
      {"25 letters", descrizione({"pendenza,  12a,  3"}), 25, std::nullopt, 4},
      {"25 fraction", descrizione({"montagna,  100,  1.5,  1"}), 25, std::nullopt, 4},
      {"25 beyond 32 bits", descrizione({"pendenza,  100,  2147483648"}), 25, std::nullopt, 4},
      {"25 read past the end", generale() + "cartello_indicatore,  100", 25, std::nullopt, 4},
      {"25 indicator wider than 16 bits", descrizione({"indicatori_vmax,  1000,  1639,  0,  0,  0,  ,  ,  ,  0"}), 25,
       std::nullopt, 4},
      {"26", molti("cartello_indicatore,  %d,  testo %d", 81, 1000, 100), 26, 9000, 84},
      {"27", molti("montagna,  %d,  %d,  1", 81, 1000, 1000), 27, 81000, 84},
      {"30",
       generale(0) + righe({"pendenza,  6900,  1", "pendenza,  6900,  2", "pendenza,  6900,  3", "pendenza,  6900,  4",
                            "pendenza,  6900,  5", "[fine]"}),
       30, 6900, 8},
      {"31 signpost", descrizione({"cartello_indicatore,  -100,  a"}), 31, -100, 4},
      {"31 indicators", descrizione({"indicatori_vmax,  -100,  90,  0,  0,  0,  ,  ,  ,  0"}), 31, -100, 4},
      {"31 mountain below cell 0", descrizione({"montagna,  -500,  1000,  1"}), 31, -500, 4},
      {"31 mountain beyond the last cell", descrizione({"montagna,  94000,  95100,  1"}), 31, 94000, 4},
      {"103 no digit", descrizione({"curvadx,  100,  100"}), 103, std::nullopt, 4},
      {"103 beyond metre 1000000", descrizione({"curvad1,  999000,  2000"}, 1000000), 103, std::nullopt, 4},
      {"104", descrizione({"curvad1,  94000,  1001"}), 104, 94000, 4},
  };
}

TEST(LettoreLinea, EveryFaultWithItsPositionAndLine) {
  for (const CasoGuasto& caso : casi_guasto()) {
    LineaDiProva prova;
    EXPECT_EQ(prova.leggi(caso.testo), caso.treno) << caso.nome;
    const Compilatore& stato = prova.stato;
    EXPECT_EQ(stato.codice_errore, caso.codice) << caso.nome;
    ASSERT_EQ(stato.guasti.size(), 1u) << caso.nome;
    const Guasto& guasto = stato.guasti[0];
    EXPECT_EQ(guasto.codice, caso.codice) << caso.nome;
    EXPECT_EQ(guasto.posizione, caso.posizione) << caso.nome;
    if (caso.posizione) {
      EXPECT_EQ(stato.posizione_errore, *caso.posizione) << caso.nome;
    }
    EXPECT_EQ(guasto.file, "MilanoPGen-Alessandria_linea.txt") << caso.nome;
    EXPECT_EQ(guasto.riga, caso.riga) << caso.nome;
    EXPECT_FALSE(prova.cartella.esiste(prova.nome_file())) << caso.nome;
    // The reading context is not left behind for the stages that follow.
    EXPECT_EQ(stato.file_corrente, "") << caso.nome;
  }
}

// A position beyond the cells stops the reading but not the stage: the tails
// run from where the reading stopped, and later entries are not read.
TEST(LettoreLinea, PositionBeyondTheCellsKeepsTheTails) {
  LineaDiProva prova;
  EXPECT_TRUE(prova.leggi(descrizione({"pendenza,  500,  3", "pendenza,  94900,  5", "pendenza,  94950,  7",
                                       "pendenza,  95000,  9", "cartello_indicatore,  1300,  a"})));
  const Compilatore& stato = prova.stato;
  EXPECT_EQ(stato.codice_errore, 15);
  EXPECT_EQ(stato.posizione_errore, 94950);  // (94950 + 100) / 50 = 1901 > 1900; 94900 still fits
  EXPECT_EQ(stato.celle[9].pendenza, 100);
  EXPECT_EQ(stato.celle[10].pendenza, 103);
  EXPECT_EQ(stato.celle[1897].pendenza, 103);  // 94900 / 50 = 1898: the entry writes up to 1897
  EXPECT_EQ(stato.celle[1898].pendenza, 105);  // the tail writes one cell even at ultima_cella - 2
  EXPECT_EQ(stato.celle[1899].pendenza, 0);
  EXPECT_EQ(stato.celle[27].tipo, kLibera);
  EXPECT_EQ(stato.tracciato.x[94998].tag, TagPunto::kReale);
  EXPECT_EQ(stato.tracciato.x[94999].tag, TagPunto::kVuoto);
}

TEST(LettoreLinea, TrainDescriptionIsDeletedWhenTheTrainHalfIsSkipped) {
  for (const char* testo : {"", "[generale]\r\nlunghezza percorso,  12a\r\n[curve]\r\n[fine]\r\n"}) {
    LineaDiProva prova;
    const NomiFile& nomi = prova.nomi;
    prova.scrivi(testo);
    prova.cartella.scrivi(nomi.nome_descrizione_treno(), "[generale]\r\n");
    memorizza_dati(prova.stato, nomi);
    EXPECT_NE(prova.stato.codice_errore, 0) << testo;
    EXPECT_FALSE(prova.cartella.esiste(prova.nome_file())) << testo;
    EXPECT_FALSE(prova.cartella.esiste(nomi.nome_descrizione_treno())) << testo;
  }
}

TEST(LettoreLinea, WarningsNameTheirLine) {
  LineaDiProva prova;
  const std::string testo = generale() + righe({
                                             "curvad6,  100,  400",   // 4
                                             "curvad4,  200,  100",   // 5: drawn over already
                                             "curvas4,  450,  100",   // 6: partly drawn over
                                             "[pendenze]",            // 7
                                             "pendenza,  1000,  2",   // 8
                                             "pendenza,  500,  3",    // 9: out of order
                                             "pendnza,  700,  3",     // 10: no such key
                                             "[cartelli]",            // 11
                                             "indicatori_vmax,  2000,  90,  90,  90,  0,  ,  ,  ,  0",  // 12
                                             "indicatori_vmax,  1500,  90,  90,  90,  0,  ,  ,  ,  0",  // 13
                                             "cartello_indicatore,  3000,  a",  // 14
                                             "cartello_indicatore,  2500,  b",  // 15
                                             "[fine]",
                                         });
  EXPECT_TRUE(prova.leggi(testo));
  EXPECT_EQ(prova.stato.codice_errore, 0);
  const std::vector<std::pair<int, std::string>> attesi = {
      {5, "curve at 200 m, 100 m long, has no effect: the plan is already drawn up to metre 500"},
      {6, "curve at 450 m, 100 m long, applies only in part: the plan is already drawn up to metre 500"},
      {9, "gradient at 500 m comes after one at 1000 m: entries out of order of position"},
      {10, "field \"pendnza\" holds no key word: ignored"},
      {13, "maximum-speed indicator at 1500 m comes after one at 2000 m: entries out of order of position"},
      {15, "signpost at 2500 m comes after one at 3000 m: entries out of order of position"},
  };
  const std::vector<Avvertimento>& avvertimenti = prova.stato.avvertimenti;
  ASSERT_EQ(avvertimenti.size(), attesi.size());
  for (size_t i = 0; i < attesi.size(); ++i) {
    EXPECT_EQ(avvertimenti[i].riga, attesi[i].first);
    EXPECT_EQ(avvertimenti[i].testo, attesi[i].second);
    EXPECT_EQ(avvertimenti[i].file, "MilanoPGen-Alessandria_linea.txt");
    EXPECT_FALSE(avvertimenti[i].anche_nel_programma);
  }
}

}  // namespace
}  // namespace scenario
