#include "readers/linea_lettore.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "driver/memorizza_dati.h"
#include "model/nomi_file.h"
#include "model/punti_tracciato.h"
#include "tests/cartella_temporanea.h"
#include "tests/linea_di_prova.h"

namespace scenario {
namespace {

using test::bit;
using test::descrizione;
using test::generale;
using test::LineaDiProva;
using test::righe;

// The file-level rules of the reading stage: the descriptions are read from
// the program folder and deleted on every path.
struct SuFile {
  // Writes `testo` as the line description and runs the line half on it
  // (memorizza_linea); its result: whether the train half runs.
  bool leggi_linea(const std::string& testo) {
    cartella.scrivi(prova.nome_file(), testo);
    return memorizza_linea(prova.stato, nomi);
  }

  LineaDiProva prova;
  test::CartellaTemporanea cartella;
  NomiFile nomi{cartella.percorso(), prova.stato.nome_linea, prova.stato.numero_treno};
};

TEST(MemorizzaLinea, IdentityIsCopiedFirst) {
  SuFile su_file;
  EXPECT_FALSE(memorizza_linea(su_file.prova.stato, su_file.nomi));  // no description at all
  EXPECT_EQ(su_file.prova.stato.elementi[85].testo, "MilanoPGen-Alessandria");
  EXPECT_EQ(su_file.prova.stato.elementi[86].testo, "2635");
}

// Names differing in case are one file on Windows.
#ifndef _WIN32
TEST(MemorizzaLinea, MissingDescriptionIs101AndDeletesNothing) {
  SuFile su_file;
  su_file.cartella.scrivi("MilanoPGen-Alessandria_linea.TXT", "[generale]\r\n");
  const Compilatore& stato = su_file.prova.stato;
  EXPECT_FALSE(memorizza_linea(su_file.prova.stato, su_file.nomi));
  EXPECT_EQ(stato.codice_errore, 101);
  ASSERT_EQ(stato.guasti.size(), 1u);
  EXPECT_EQ(stato.guasti[0].file, "MilanoPGen-Alessandria_linea.txt");
  EXPECT_TRUE(su_file.cartella.esiste("MilanoPGen-Alessandria_linea.TXT"));
  EXPECT_FALSE(stato.ha_celle());
}
#endif

// Whatever the reading met, the description is gone afterwards.
TEST(MemorizzaLinea, TheDescriptionIsDeletedOnEveryPath) {
  struct Caso {
    const char* nome;
    std::string testo;
    int32_t codice;
    bool treno;
  };
  const std::vector<Caso> casi = {
      {.nome = "read to the end", .testo = descrizione({"pendenza,  500,  3"}), .codice = 0, .treno = true},
      {.nome = "empty file", .testo = "", .codice = 102, .treno = false},
      {.nome = "a fault that ends the stage",
       .testo = righe({"[generale]", "lunghezza percorso,  1000001", "[curve]", "[fine]"}),
       .codice = 1,
       .treno = false},
      {.nome = "a position beyond the cells", .testo = descrizione({"pendenza,  95000,  1"}), .codice = 15, .treno = true},
      {.nome = "a reading failure", .testo = descrizione({"pendenza,  12a,  3"}), .codice = 25, .treno = false},
  };
  for (const Caso& caso : casi) {
    SuFile su_file;
    EXPECT_EQ(su_file.leggi_linea(caso.testo), caso.treno) << caso.nome;
    EXPECT_EQ(su_file.prova.stato.codice_errore, caso.codice) << caso.nome;
    EXPECT_FALSE(su_file.cartella.esiste(su_file.prova.nome_file())) << caso.nome;
  }
}

TEST(MemorizzaDati, TheTrainHalfRunsAfterAPositionBeyondTheCells) {
  SuFile su_file;
  su_file.cartella.scrivi(su_file.prova.nome_file(), descrizione({"pendenza,  95000,  1"}));
  su_file.cartella.scrivi(su_file.nomi.nome_descrizione_treno(), righe({"[generale]", "vetture,  9", "[fine]"}));
  memorizza_dati(su_file.prova.stato, su_file.nomi);
  EXPECT_EQ(su_file.prova.stato.codice_errore, 15);
  EXPECT_EQ(su_file.prova.stato.elementi[84].dato3, 9);
  EXPECT_FALSE(su_file.cartella.esiste(su_file.prova.nome_file()));
  EXPECT_FALSE(su_file.cartella.esiste(su_file.nomi.nome_descrizione_treno()));
}

TEST(LettoreLinea, SearchForTheGeneralSection) {
  struct Caso {
    std::string nome;
    std::string testo;
    bool trovata;
  };
  const std::vector<Caso> casi = {
      {.nome = "empty file", .testo = "", .trovata = false},
      {.nome = "no section", .testo = righe({"lunghezza percorso,  88000", "[curve]", "[fine]"}), .trovata = false},
      // The read that reaches the end fails the search, whatever it returned.
      {.nome = "heading is the last field", .testo = righe({"prima", "[generale]"}), .trovata = false},
      {.nome = "heading is the last field, no line end", .testo = "prima\r\n[generale]", .trovata = false},
      {.nome = "anything before is passed over, case ignored",
       .testo = righe(
           {"intestazione, lunghezza percorso,  5", "[Generale]", "lunghezza percorso,  88000", "[curve]", "[fine]"}),
       .trovata = true},
  };
  for (const Caso& caso : casi) {
    LineaDiProva prova;
    EXPECT_EQ(prova.leggi(caso.testo), caso.trovata) << caso.nome;
    EXPECT_EQ(prova.stato.codice_errore, caso.trovata ? 0 : 102) << caso.nome;
    EXPECT_EQ(prova.stato.ha_celle(), caso.trovata) << caso.nome;
    if (caso.trovata) {
      EXPECT_EQ(prova.stato.elementi[84].dato2, 88000) << caso.nome;
    }
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
      {.nome = "values end the file", .testo = generale() + "pendenza,  500,  3", .pendenza_cella_10 = 103},
      {.nome = "values end the file, line end after them",
       .testo = generale() + "pendenza,  500,  3\r\n",
       .pendenza_cella_10 = 103},
      {.nome = "a key is the last field",
       .testo = generale() + "pendenza,  400,  2\r\npendenza",
       .pendenza_cella_10 = 102},
      {.nome = "a key is the last field, values missing",
       .testo = generale() + "pendenza,  400,  2\r\npendenza\r\n",
       .pendenza_cella_10 = 102},
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
  EXPECT_EQ(bit(punti_tracciato(prova.stato.tracciato).y[94998].valore()), bit(94998.0));
}

TEST(LettoreLinea, CommentFieldsInTheObjectPart) {
  struct Caso {
    std::string nome;
    std::string testo;
    uint8_t pendenza_cella_10;  // 100 when the entry was not applied
  };
  const std::vector<Caso> casi = {
      {.nome = "two comments",
       .testo = descrizione({"- nota, - altra nota, pendenza,  500,  3"}),
       .pendenza_cella_10 = 103},
      // A third one is tried as a key, and this one holds "pendenza".
      {.nome = "third comment is a key",
       .testo = descrizione({"- a, - b, - pendenza,  500,  3"}),
       .pendenza_cella_10 = 103},
      // The second comment is passed over with the key: its values are keys
      // that match nothing.
      {.nome = "comment eats the key", .testo = descrizione({"- a, - pendenza,  500,  3"}), .pendenza_cella_10 = 100},
      {.nome = "negative value is no comment", .testo = descrizione({"pendenza,  500,  -3"}), .pendenza_cella_10 = 97},
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
  std::optional<int32_t> posizione = {};
  int riga;
  bool treno = false;
  std::function<void(const Compilatore&)> verifica = {};  // what the model holds afterwards
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

// Whether nothing of the plan was drawn: even row 2 is still empty.
void tracciato_vuoto(const Compilatore& s) {
  const PuntiTracciato t = punti_tracciato(s.tracciato);
  EXPECT_EQ(t.x[2].tag, TagPunto::kVuoto);
  EXPECT_EQ(t.y[2].tag, TagPunto::kVuoto);
}

// A line of 993000 m has plan rows 0 to 1000000. "curvad1,  999749,  252"
// would end at row 1000001: the drawing stops first, once the cursor passes
// metre 1000000. Rows 2 to 999749 run straight along y; rows 999750 to
// 1000000 turn right with k = 0.0001, each operation rounded to binary64.
// Row 999750 turns the step (0, 1): x = (0 + 0) + k * 1, the double of 0.0001,
// and y = (999749 + 1) - k * 0 = 999750. Row 999751: x = (k + k) + k * 1 = 3k,
// whose exact value lies three quarters of a unit above 0x1.3a92a30553261p-12
// and rounds up; y = (999750 + 1) - k * k, with k * k about 1e-8, which is
// 85.9 units of 2^-33 below 999751 and rounds to 86 of them.
void curva_fino_al_metro_1000000(const Compilatore& s) {
  const PuntiTracciato t = punti_tracciato(s.tracciato);
  ASSERT_EQ(t.x.size(), 1000001u);
  test::dritta_lungo_y(t, 2, 999749);
  EXPECT_EQ(bit(t.x[999750].reale), bit(0x1.a36e2eb1c432dp-14));
  EXPECT_EQ(bit(t.y[999750].reale), bit(999750.0));
  EXPECT_EQ(bit(t.x[999751].reale), bit(0x1.3a92a30553262p-12));
  EXPECT_EQ(bit(t.y[999751].reale), bit(999751.0 - 86 * 0x1p-33));
  // Every curved step adds dx + k * dy to x, both positive: x grows up to the
  // last row, which a curve reaches here while the straight tail never does.
  for (size_t c = 999752; c <= 1000000; ++c) {
    ASSERT_EQ(t.x[c].tag, TagPunto::kReale) << c;
    ASSERT_EQ(t.y[c].tag, TagPunto::kReale) << c;
    ASSERT_GT(t.x[c].reale, t.x[c - 1].reale) << c;
  }
}

std::vector<CasoGuasto> casi_guasto() {
  const std::string ripetizione = "[generale]\r\nlunghezza percorso,  88000\r\n";
  return {
      {.nome = "102", .testo = righe({"lunghezza percorso,  88000", "[curve]"}), .codice = 102, .riga = 2},
      {.nome = "1",
       .testo = righe({"[generale]", "lunghezza percorso,  1000001", "[curve]", "[fine]"}),
       .codice = 1,
       .riga = 2},
      {.nome = "29",
       .testo = righe({"[generale]", "lunghezza percorso,  -1", "[curve]", "[fine]"}),
       .codice = 29,
       .riga = 2},
      {.nome = "3",
       .testo = ripetizione + righe({"ripetizione segnali 4 codici,  25,  0", "[fine]"}),
       .codice = 3,
       .riga = 3},
      {.nome = "4",
       .testo = ripetizione + righe({"ripetizione segnali 4 codici,  50,  30", "[fine]"}),
       .codice = 4,
       .riga = 3},
      {.nome = "5",
       .testo = ripetizione + righe({"ripetizione segnali codici,  50,  100", "[fine]"}),
       .codice = 5,
       .riga = 3},
      {.nome = "28",
       .testo = righe({"[generale]", "sfondo uno,  1", "[curve]", "pendenza,  100,  2", "[fine]"}),
       .codice = 28,
       .riga = 3},
      {.nome = "28 at the end of the file", .testo = righe({"[generale]", "sfondo uno,  1"}), .codice = 28, .riga = 2},
      {.nome = "6",
       .testo = descrizione({"cartello_indicatore,  1300,  a", "cartello_indicatore,  1310,  b"}),
       .codice = 6,
       .posizione = 1310,
       .riga = 5},
      {.nome = "15 gradient",
       .testo = descrizione({"pendenza,  95000,  1"}),
       .codice = 15,
       .posizione = 95000,
       .riga = 4,
       .treno = true},
      {.nome = "15 curve",
       .testo = descrizione({"curvad1,  94950,  10"}),
       .codice = 15,
       .posizione = 94950,
       .riga = 4,
       .treno = true},
      {.nome = "15 mountain",
       .testo = descrizione({"montagna,  95000,  94000,  1"}),
       .codice = 15,
       .posizione = 95000,
       .riga = 4,
       .treno = true},
      {.nome = "15 indicators",
       .testo = descrizione({"indicatori_vmax,  95000,  90,  90,  90,  0,  ,  ,  ,  0"}),
       .codice = 15,
       .posizione = 95000,
       .riga = 4,
       .treno = true},
      {.nome = "15 signpost",
       .testo = descrizione({"pendenza,  100,  1", "cartello_indicatore,  94901,  a"}),
       .codice = 15,
       .posizione = 94901,
       .riga = 5,
       .treno = true},
      {.nome = "21",
       .testo = descrizione({"cartello_indicatore,  1300,  a", "indicatori_vmax,  1300,  90,  0,  0,  0,  ,  ,  ,  0"}),
       .codice = 21,
       .posizione = 1300,
       .riga = 5},
      {.nome = "25 letters", .testo = descrizione({"pendenza,  12a,  3"}), .codice = 25, .riga = 4},
      {.nome = "25 fraction", .testo = descrizione({"montagna,  100,  1.5,  1"}), .codice = 25, .riga = 4},
      {.nome = "25 beyond 32 bits", .testo = descrizione({"pendenza,  100,  2147483648"}), .codice = 25, .riga = 4},
      {.nome = "25 read past the end", .testo = generale() + "cartello_indicatore,  100", .codice = 25, .riga = 4},
      // A packed value worked out from values that fit: 20 x 1639 = 32780.
      {.nome = "25 indicator wider than 16 bits",
       .testo = descrizione({"indicatori_vmax,  1000,  1639,  0,  0,  0,  ,  ,  ,  0"}),
       .codice = 25,
       .riga = 4},
      // Packed stripes 10 x 3277 = 32770 are worked out only on a free cell.
      {.nome = "21 before packed stripes wider than 16 bits",
       .testo =
           descrizione({"cartello_indicatore,  1300,  a", "indicatori_vmax,  1300,  0,  0,  0,  3277,  ,  ,  ,  0"}),
       .codice = 21,
       .posizione = 1300,
       .riga = 5},
      // A stripe count is a 16-bit field: 40000 fails as it is read, before the
      // cell test and before the position test.
      {.nome = "25 stripes too wide for their field, on a taken cell",
       .testo = descrizione(
           {"cartello_indicatore,  1300,  a", "indicatori_vmax,  1300,  90,  90,  90,  40000,  ,  ,  ,  0"}),
       .codice = 25,
       .riga = 5,
       .verifica =
           [](const Compilatore& s) {
             // 1300 / 50 + 1 = 27: the signpost stays.
             EXPECT_EQ(s.celle[27].tipo, kCartello);
             EXPECT_EQ(s.celle[27].valore_a, 80);
             EXPECT_EQ(s.elementi[80].testo, "a");
           }},
      {.nome = "25 stripes too wide for their field, beyond the cells",
       .testo = descrizione({"indicatori_vmax,  99999,  90,  90,  90,  40000,  ,  ,  ,  0"}),
       .codice = 25,
       .riga = 4},
      {.nome = "25 right stripes too wide for their field",
       .testo = descrizione({"indicatori_vmax,  1000,  90,  90,  90,  0,  ,  ,  ,  -32769"}),
       .codice = 25,
       .riga = 4},
      {.nome = "26",
       .testo = molti("cartello_indicatore,  %d,  testo %d", 81, 1000, 100),
       .codice = 26,
       .posizione = 9000,
       .riga = 84},
      {.nome = "27",
       .testo = molti("montagna,  %d,  %d,  1", 81, 1000, 1000),
       .codice = 27,
       .posizione = 81000,
       .riga = 84},
      {.nome = "30",
       .testo = generale(0) + righe({"pendenza,  6900,  1", "pendenza,  6900,  2", "pendenza,  6900,  3",
                                     "pendenza,  6900,  4", "pendenza,  6900,  5", "[fine]"}),
       .codice = 30,
       .posizione = 6900,
       .riga = 8},
      {.nome = "31 signpost",
       .testo = descrizione({"cartello_indicatore,  -100,  a"}),
       .codice = 31,
       .posizione = -100,
       .riga = 4},
      {.nome = "31 indicators",
       .testo = descrizione({"indicatori_vmax,  -100,  90,  0,  0,  0,  ,  ,  ,  0"}),
       .codice = 31,
       .posizione = -100,
       .riga = 4},
      {.nome = "31 mountain below cell 0",
       .testo = descrizione({"montagna,  -500,  1000,  1"}),
       .codice = 31,
       .posizione = -500,
       .riga = 4},
      {.nome = "31 mountain beyond the last cell",
       .testo = descrizione({"montagna,  94000,  95100,  1"}),
       .codice = 31,
       .posizione = 94000,
       .riga = 4},
      {.nome = "103 no digit", .testo = descrizione({"curvadx,  100,  100"}), .codice = 103, .riga = 4},
      {.nome = "103 beyond metre 1000000",
       .testo = descrizione({"curvad1,  999000,  2000"}, 1000000),
       .codice = 103,
       .riga = 4},
      {.nome = "103 beyond metre 1000000 and the plan's end: the metre comes first",
       .testo = descrizione({"curvad1,  999749,  252"}, 993000),
       .codice = 103,
       .riga = 4,
       .verifica = curva_fino_al_metro_1000000},
      {.nome = "104: past the plan's end before metre 1000000, nothing drawn",
       .testo = descrizione({"curvad1,  94000,  1001"}),
       .codice = 104,
       .posizione = 94000,
       .riga = 4,
       .verifica = tracciato_vuoto},
      {.nome = "104 on a line whose plan ends just before metre 1000000",
       .testo = descrizione({"curvad1,  998000,  5000"}, 992000),
       .codice = 104,
       .posizione = 998000,
       .riga = 4,
       .verifica = tracciato_vuoto},
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
    // The reading context is not left behind for the stages that follow.
    EXPECT_EQ(stato.file_corrente, "") << caso.nome;
    if (caso.verifica) {
      SCOPED_TRACE(caso.nome);
      caso.verifica(stato);
    }
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
  const PuntiTracciato t = punti_tracciato(stato.tracciato);
  EXPECT_EQ(t.x[94998].tag, TagPunto::kReale);
  EXPECT_EQ(t.x[94999].tag, TagPunto::kVuoto);
}

TEST(MemorizzaDati, TrainDescriptionIsDeletedWhenTheTrainHalfIsSkipped) {
  for (const char* testo : {"", "[generale]\r\nlunghezza percorso,  12a\r\n[curve]\r\n[fine]\r\n"}) {
    SuFile su_file;
    const NomiFile& nomi = su_file.nomi;
    su_file.cartella.scrivi(su_file.prova.nome_file(), testo);
    su_file.cartella.scrivi(nomi.nome_descrizione_treno(), "[generale]\r\n");
    memorizza_dati(su_file.prova.stato, nomi);
    EXPECT_NE(su_file.prova.stato.codice_errore, 0) << testo;
    EXPECT_FALSE(su_file.cartella.esiste(su_file.prova.nome_file())) << testo;
    EXPECT_FALSE(su_file.cartella.esiste(nomi.nome_descrizione_treno())) << testo;
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
