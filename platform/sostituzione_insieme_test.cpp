#include "platform/sostituzione_insieme.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "platform/file_system.h"
#include "tests/cartella_temporanea.h"

namespace scenario {
namespace {

using test::CartellaTemporanea;
using Contenuti = std::map<std::string, std::string>;

// What the folder holds: regular files by name, "<folder>" for a folder.
Contenuti contenuti(const CartellaTemporanea& c) {
  Contenuti tutti;
  for (const auto& voce : std::filesystem::directory_iterator(c.percorso())) {
    const std::string nome = voce.path().filename().string();
    tutti[nome] = voce.is_directory() ? "<folder>" : c.leggi(nome);
  }
  return tutti;
}

// On a volume with hard links, and on one without (FAT, exFAT), where the
// earlier files are kept as copies: the same promise.
TEST(SostituzioneInsieme, AFailureLeavesEveryEarlierFileAndNothingElse) {
  struct Caso {
    const char* nome;
    bool cartella_al_posto_di_b;            // a folder where b should go
    std::function<bool(const std::string&)> rinomina_fallisce;  // which rename fails
    std::function<bool(const std::string&)> scrittura_fallisce;  // which write fails
    bool riesce;
  };
  auto file = [](const char* nome) { return [nome](const std::string& p) { return p.ends_with(nome); }; };
  const Caso casi[] = {
      {.nome = "all replaced", .cartella_al_posto_di_b = false, .rinomina_fallisce = nullptr,
       .scrittura_fallisce = nullptr, .riesce = true},
      {.nome = "a folder where b goes", .cartella_al_posto_di_b = true, .rinomina_fallisce = nullptr,
       .scrittura_fallisce = nullptr, .riesce = false},
      {.nome = "the write of c fails", .cartella_al_posto_di_b = false, .rinomina_fallisce = nullptr,
       .scrittura_fallisce = file("/c"), .riesce = false},
      {.nome = "the rename of c fails after a and b", .cartella_al_posto_di_b = false,
       .rinomina_fallisce = file("/c"), .scrittura_fallisce = nullptr, .riesce = false},
      {.nome = "the rename of b fails after a", .cartella_al_posto_di_b = false, .rinomina_fallisce = file("/b"),
       .scrittura_fallisce = nullptr, .riesce = false},
  };
  for (const bool senza_collegamenti : {false, true}) {
    for (const Caso& caso : casi) {
      SCOPED_TRACE(std::string(caso.nome) + (senza_collegamenti ? ", no hard links" : ""));
      CartellaTemporanea c;
      // a and c have earlier files, b has none (or a folder in its place).
      c.scrivi("a", "old a");
      c.scrivi("c", "old c");
      if (caso.cartella_al_posto_di_b) std::filesystem::create_directory(c.file("b"));
      const Contenuti prima = contenuti(c);
      imposta_guasto_rinomina(caso.rinomina_fallisce);
      imposta_guasto_scrittura(caso.scrittura_fallisce);
      imposta_collegamenti_rifiutati(senza_collegamenti);
      const Status s = sostituisci_insieme({{c.file("a"), "new a"}, {c.file("b"), "new b"}, {c.file("c"), "new c"}});
      imposta_collegamenti_rifiutati(false);
      imposta_guasto_rinomina(nullptr);
      imposta_guasto_scrittura(nullptr);
      ASSERT_EQ(s.ok(), caso.riesce) << s.messaggio();
      if (caso.riesce) {
        EXPECT_EQ(contenuti(c), (Contenuti{{"a", "new a"}, {"b", "new b"}, {"c", "new c"}}));
      } else {
        EXPECT_EQ(contenuti(c), prima);
      }
    }
  }
}

// A target that is not a regular file fails the set before anything is
// written, with a message that says what stands there.
TEST(SostituzioneInsieme, TheMessageNamesTheTargetAndWhatStandsThere) {
  struct Caso {
    const char* cosa;
    std::function<void(CartellaTemporanea&)> pianta;
    std::string motivo;
  };
  const Caso casi[] = {
      {"a folder", [](CartellaTemporanea& c) { std::filesystem::create_directory(c.file("b")); }, "Is a directory"},
#ifndef _WIN32
      {"a link to a file",
       [](CartellaTemporanea& c) {
         c.scrivi("altrove", "someone's");
         std::filesystem::create_symlink(c.file("altrove"), c.file("b"));
       },
       "it is a symbolic link; remove it, or write into the folder it points to"},
      {"a dangling link",
       [](CartellaTemporanea& c) { std::filesystem::create_symlink(c.file("manca"), c.file("b")); },
       "it is a symbolic link; remove it, or write into the folder it points to"},
#endif
  };
  for (const Caso& caso : casi) {
    CartellaTemporanea c;
    caso.pianta(c);
    const Status s = sostituisci_insieme({{c.file("a"), "x"}, {c.file("b"), "y"}});
    EXPECT_EQ(s.messaggio(), "cannot replace " + c.file("b") + ": " + caso.motivo) << caso.cosa;
    EXPECT_FALSE(c.esiste("a")) << caso.cosa;
    if (c.esiste("altrove")) {
      EXPECT_EQ(c.leggi("altrove"), "someone's");
    }
  }
}

}  // namespace
}  // namespace scenario
