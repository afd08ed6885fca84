#include "tests/impronta.h"

#include <string>

#include "tests/sha256.h"

namespace scenario::test {

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
