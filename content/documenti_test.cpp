#include "content/documenti.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/cartella_temporanea.h"
#include "tests/documento_scritto.h"

namespace scenario {
namespace {

struct Documento {
  Status (*scrivi)(const NomiFile&);
  const char* nome;  // the name after "<line>_<train>_"
};

constexpr Documento kDocumenti[] = {
    {dati_note, "note.txt"},
    {dati_rallentamenti, "rallentamenti.txt"},
    {dati_scheda, "scheda_treno.txt"},
};

// The identity names the file only: the train number and line name inside the
// documents are their own text.
TEST(Documenti, AnotherIdentityWritesOtherNamesWithTheSameContent) {
  for (const Documento& d : kDocumenti) {
    test::CartellaTemporanea cartella;
    ASSERT_TRUE(d.scrivi(test::nomi_documenti(cartella.percorso())).ok());
    ASSERT_TRUE(d.scrivi(test::nomi_documenti(cartella.percorso(), "Altra-Linea", "9911")).ok());
    const std::string scenario = cartella.leggi(std::string("MilanoPGen-Alessandria_2635_") + d.nome);
    ASSERT_TRUE(cartella.esiste(std::string("Altra-Linea_9911_") + d.nome)) << d.nome;
    EXPECT_FALSE(scenario.empty()) << d.nome;
    EXPECT_EQ(cartella.leggi(std::string("Altra-Linea_9911_") + d.nome), scenario) << d.nome;
  }
}

TEST(Documenti, StaleLongerDocumentIsReplacedWhole) {
  for (const Documento& d : kDocumenti) {
    test::CartellaTemporanea nuova;
    ASSERT_TRUE(d.scrivi(test::nomi_documenti(nuova.percorso())).ok());
    const std::string nome = std::string("MilanoPGen-Alessandria_2635_") + d.nome;
    const std::string atteso = nuova.leggi(nome);

    test::CartellaTemporanea vecchia;
    vecchia.scrivi(nome, atteso + std::string(50000, 'x') + "\r\n");
    ASSERT_TRUE(d.scrivi(test::nomi_documenti(vecchia.percorso())).ok());
    EXPECT_EQ(vecchia.leggi(nome), atteso) << d.nome;
  }
}

}  // namespace
}  // namespace scenario
