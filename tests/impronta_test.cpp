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
#include "tests/programma.h"
#include "tests/sha256.h"

namespace scenario::test {
namespace {

struct Impronta {
  std::string_view nome;
  size_t byte;
  std::string_view sha256;
};

constexpr Impronta kFileDellaCorsa[] = {
    {.nome = "MilanoPGen-Alessandria_linea.dat",
     .byte = 1899964,
     .sha256 = "c10f4dfd83a9d7ce0b799a6a0a6773fed489479f5b8f84336497684199620723"},
    {.nome = "MilanoPGen-Alessandria_2635.sim",
     .byte = 4596,
     .sha256 = "b4de89f018cd0bcd6fa088164fddaa84c636c23e255274016b55e7c429ed2044"},
    {.nome = "MilanoPGen-Alessandria_2635.dat",
     .byte = 28515,
     .sha256 = "3edce56b2fb9112e0c527d91ab50a7147aec9779b13be327ae0976b8dd0bcf07"},
    {.nome = "MilanoPGen-Alessandria_2635_scheda_treno.txt",
     .byte = 3995,
     .sha256 = "80e3df8c7af020b3f67db3eabeca5f55c2e9c1cc3559ecf641e8103bec774290"},
    {.nome = "MilanoPGen-Alessandria_2635_rallentamenti.txt",
     .byte = 3298,
     .sha256 = "8a439e1d08860ab82e62608a59c6856ed85cf9d38ffe8ea39518f841d5858333"},
    {.nome = "MilanoPGen-Alessandria_2635_note.txt",
     .byte = 9956,
     .sha256 = "32689a6beb63edf11ee6ba78d219766e860b5e69bf1d531f78de84c83959dd7b"},
};

TEST(Sha256, KnownDigests) {
  EXPECT_EQ(sha256_hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  EXPECT_EQ(sha256_hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  // 56 bytes: the length no longer fits the first block.
  EXPECT_EQ(sha256_hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
            "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
}

TEST(Impronta, ProgramWritesThePinnedFiles) {
  CartellaTemporanea cartella;
  const EsitoProgramma esito = esegui_programma(cartella.percorso());
  ASSERT_EQ(esito.stato, 0) << esito.err;
  for (const Impronta& atteso : kFileDellaCorsa) {
    const std::string nome(atteso.nome);
    ASSERT_TRUE(cartella.esiste(nome)) << nome;
    const std::string contenuto = cartella.leggi(nome);
    EXPECT_EQ(contenuto.size(), atteso.byte) << nome;
    EXPECT_EQ(sha256_hex(contenuto), atteso.sha256) << nome;
  }
  EXPECT_FALSE(cartella.esiste("MilanoPGen-Alessandria_linea.txt"));
  EXPECT_FALSE(cartella.esiste("MilanoPGen-Alessandria_2635-.txt"));
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
