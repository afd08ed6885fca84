#include "tests/impronta.h"

#include <string>

#include "tests/sha256.h"

namespace scenario::test {
namespace {

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

}  // namespace

std::span<const Impronta> file_della_corsa() { return kFileDellaCorsa; }

::testing::AssertionResult file_fissati(const CartellaTemporanea& cartella) {
  for (const Impronta& atteso : kFileDellaCorsa) {
    const std::string nome(atteso.nome);
    if (!cartella.esiste(nome)) return ::testing::AssertionFailure() << nome << " is missing";
    const std::string contenuto = cartella.leggi(nome);
    if (contenuto.size() != atteso.byte || sha256_hex(contenuto) != atteso.sha256) {
      return ::testing::AssertionFailure() << nome << " holds " << contenuto.size() << " bytes of SHA-256 "
                                           << sha256_hex(contenuto) << ", not the pinned " << atteso.byte
                                           << " bytes of " << atteso.sha256;
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace scenario::test
