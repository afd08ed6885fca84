// The scenario's bytes, pinned: what the program writes for its one scenario
// was checked against independently computed sizes and SHA-256 digests. Any
// change to a compiled file, a document or the descriptions fails here, so
// that such a change is a decision and never an accident. The notes are our
// own prose; their digest pins them as they stand.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "content/documenti.h"
#include "content/lista_righe.h"
#include "tests/cartella_temporanea.h"
#include "tests/impronta.h"
#include "tests/programma.h"
#include "tests/sha256.h"

namespace scenario::test {
namespace {

TEST(Sha256, KnownDigests) {
  EXPECT_EQ(sha256_hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  EXPECT_EQ(sha256_hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  // 56 bytes: the length no longer fits the first block.
  EXPECT_EQ(sha256_hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
            "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
}

// Also from a folder whose name has a blank and a letter outside ASCII, as a
// simulator's folder may.
TEST(Impronta, ProgramWritesThePinnedFiles) {
  for (const char* prefisso : {"scenario-test-", "Simulatore \u00ec "}) {
    SCOPED_TRACE(prefisso);
    CartellaTemporanea cartella(prefisso);
    const EsitoProgramma esito = esegui_programma(cartella.percorso());
    ASSERT_EQ(esito.stato, 0) << esito.err;
    EXPECT_TRUE(file_fissati(cartella));
    EXPECT_FALSE(cartella.esiste("MilanoPGen-Alessandria_linea.txt"));
    EXPECT_FALSE(cartella.esiste("MilanoPGen-Alessandria_2635-.txt"));
  }
}

// The two descriptions live only during a run: their bytes are pinned as the
// program's tables make them.
TEST(Impronta, DescriptionsArePinned) {
  const std::string linea = ListaRighe(righe_linea()).testo();
  EXPECT_EQ(linea.size(), 5981u);
  EXPECT_EQ(sha256_hex(linea), "3569044d9b311a13c5946b678af9f7fa2ea3a88daba5b4093e4fc5a337d114de");
  const std::string treno = ListaRighe(righe_treno()).testo();
  EXPECT_EQ(treno.size(), 3784u);
  EXPECT_EQ(sha256_hex(treno), "f1b39949af893ae3d9e06d42f5e46cdbf165edd2b606942f7dd2f54e55112d76");
}

}  // namespace
}  // namespace scenario::test
