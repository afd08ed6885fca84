#include "driver/memorizza_percorso.h"

#include <gtest/gtest.h>

#include "content/documenti.h"
#include "model/nomi_file.h"
#include "driver/rapporto.h"
#include "model/codifica.h"
#include "model/file_compilati.h"
#include "tests/cartella_temporanea.h"
#include "tests/documento_scritto.h"
#include "tests/motivo_mancante.h"
#include "tests/linea_di_prova.h"

namespace scenario {
namespace {

using test::CartellaTemporanea;

const NomiFile kNomi("", "MilanoPGen-Alessandria", "2635");

TEST(MemorizzaPercorso, ThePlanFileIsTheEncodedPlan) {
  // The plan file is written piece by piece; it must be the same bytes as the
  // plan encoded whole.
  CartellaTemporanea cartella;
  Compilatore stato = test::stato_scenario();
  const NomiFile nomi = test::nomi_documenti(cartella.percorso());
  ASSERT_TRUE(dati_linea(nomi).ok());
  ASSERT_TRUE(dati_treno(nomi).ok());
  ASSERT_TRUE(memorizza_percorso(stato, nomi, 1).file_scritti);
  const std::string scritto = cartella.leggi(kNomi.nome_tracciato());
  EXPECT_EQ(scritto.size(), 2u * (4 + 4 + 10 * (95000 - 3) + 2 + 2));
  EXPECT_TRUE(scritto == codifica_tracciato(stato.tracciato));
}

TEST(MemorizzaPercorso, WithoutAPlanTheOlderPlanFileStaysAsItWas) {
  CartellaTemporanea cartella;
  Compilatore stato = test::stato_scenario();
  const NomiFile nomi = test::nomi_documenti(cartella.percorso());
  ASSERT_TRUE(dati_linea(nomi).ok());
  ASSERT_TRUE(dati_treno(nomi).ok());
  cartella.scrivi(kNomi.nome_tracciato(), "vecchio");
  const EsitoCompilazione esito = memorizza_percorso(stato, nomi, 0);
  EXPECT_TRUE(esito.file_scritti);
  EXPECT_EQ(stato.codice_errore, 0);
  EXPECT_EQ(cartella.leggi(kNomi.nome_tracciato()), "vecchio");
  EXPECT_EQ(cartella.leggi(kNomi.nome_celle()).size(), 15u * 1901u);
  // The stamps and the codes of the scenario, in the compiled files.
  const std::string celle = cartella.leggi(kNomi.nome_celle());
  std::string_view cella_1 = std::string_view(celle).substr(16);  // valore_a of cell 1, then valore_b
  int16_t timbro = 0, codice = 0;
  ASSERT_TRUE(GetI16(&cella_1, &timbro) && GetI16(&cella_1, &codice));
  EXPECT_EQ(timbro, 5121);
  EXPECT_EQ(codice, 2381);
  EXPECT_FALSE(cartella.esiste(kNomi.nome_descrizione_linea()));
  EXPECT_FALSE(cartella.esiste(kNomi.nome_descrizione_treno()));
}

TEST(MemorizzaPercorso, WithoutACellArrayEarlierCompiledFilesStay) {
  CartellaTemporanea cartella;
  Compilatore stato = test::stato_scenario();
  cartella.scrivi(kNomi.nome_descrizione_linea(), test::righe({"[generale]", "lunghezza percorso,  2000000", "[fine]"}));
  cartella.scrivi(kNomi.nome_descrizione_treno(), test::righe({"[generale]", "[fine]"}));
  for (const std::string& nome : {kNomi.nome_tracciato(), kNomi.nome_tabella(), kNomi.nome_celle()}) {
    cartella.scrivi(nome, "vecchio");
  }
  const EsitoCompilazione esito = memorizza_percorso(stato, test::nomi_documenti(cartella.percorso()), 1);
  EXPECT_TRUE(esito.senza_celle);
  EXPECT_FALSE(esito.file_scritti);
  EXPECT_EQ(stato.codice_errore, 1);
  for (const std::string& nome : {kNomi.nome_tracciato(), kNomi.nome_tabella(), kNomi.nome_celle()}) {
    EXPECT_EQ(cartella.leggi(nome), "vecchio") << nome;
  }
  // Neither description is left behind.
  EXPECT_FALSE(cartella.esiste(kNomi.nome_descrizione_linea()));
  EXPECT_FALSE(cartella.esiste(kNomi.nome_descrizione_treno()));
  EXPECT_EQ(testo_guasto(stato.guasti.at(0)),
            " Errore n. 1: line length above 1000000 m (MilanoPGen-Alessandria_linea.txt, line 2)");
}

// A text that cannot be read keeps the system's reason.
TEST(MemorizzaPercorso, AnUnreadableTrainTextKeepsTheSystemsReason) {
  CartellaTemporanea cartella;
  Compilatore stato = test::stato_scenario();
  cartella.scrivi(kNomi.nome_descrizione_linea(), test::descrizione({}, 10000));
  memorizza_percorso(stato, test::nomi_documenti(cartella.percorso()), 1);
  ASSERT_EQ(stato.guasti.size(), 1u);
  const std::string percorso = cartella.file(kNomi.nome_descrizione_treno());
  EXPECT_EQ(testo_guasto(stato.guasti[0]),
            " Errore n. 25: reading failure (file unreadable, malformed number, value too wide, or file ends inside an "
            "entry) (MilanoPGen-Alessandria_2635-.txt): cannot open " + percorso + ": " + test::motivo_file_mancante());
}

TEST(Rapporto, OneLinePerFault) {
  EXPECT_EQ(testo_guasto(Guasto{15, 95000, "a.txt", 40, 3, {}}),
            " Errore n. 15 at 95000 m: position beyond the end of the cell array (a.txt, line 40)");
  EXPECT_EQ(testo_guasto(Guasto{12, 5050, "", 0, 0, {}}),
            " Errore n. 12 at 5050 m: a whole window before a slowdown start is taken");
}

}  // namespace
}  // namespace scenario
