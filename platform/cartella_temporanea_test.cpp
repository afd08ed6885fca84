#include "platform/cartella_temporanea.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <optional>
#include <string>

#include "tests/cartella_temporanea.h"

namespace scenario {
namespace {

// Sets TMPDIR (or unsets it, for nullopt) for one scope.
class ConTmpdir {
 public:
  explicit ConTmpdir(const std::optional<std::string>& valore) {
    if (const char* v = ::getenv("TMPDIR")) precedente_ = v;
    if (valore) {
      ::setenv("TMPDIR", valore->c_str(), 1);
    } else {
      ::unsetenv("TMPDIR");
    }
  }
  ~ConTmpdir() {
    if (precedente_) {
      ::setenv("TMPDIR", precedente_->c_str(), 1);
    } else {
      ::unsetenv("TMPDIR");
    }
  }
  ConTmpdir(const ConTmpdir&) = delete;
  ConTmpdir& operator=(const ConTmpdir&) = delete;

 private:
  std::optional<std::string> precedente_;
};

TEST(CartellaTemporaneaDiSistema, TmpdirWhenItNamesAFolderElseTheSystemsOwn) {
  test::CartellaTemporanea cartella;
  cartella.scrivi("file", "x");
  struct Caso {
    const char* nome;
    std::optional<std::string> tmpdir;
    std::string attesa;
  };
  const Caso casi[] = {
      {.nome = "a folder", .tmpdir = cartella.percorso(), .attesa = cartella.percorso()},
      {.nome = "unset", .tmpdir = std::nullopt, .attesa = "/tmp"},
      {.nome = "empty", .tmpdir = "", .attesa = "/tmp"},
      {.nome = "missing", .tmpdir = cartella.file("manca"), .attesa = "/tmp"},
      {.nome = "a file", .tmpdir = cartella.file("file"), .attesa = "/tmp"},
  };
  for (const Caso& caso : casi) {
    ConTmpdir tmpdir(caso.tmpdir);
    EXPECT_EQ(cartella_temporanea_di_sistema(), caso.attesa) << caso.nome;
  }
}

}  // namespace
}  // namespace scenario
