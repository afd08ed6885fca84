// A file that cannot be written ends the run with status 3, names the file,
// and leaves its earlier content in place, no description and no temporary
// file behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "driver/form_load.h"
#include "model/nomi_file.h"
#include "model/scenario.h"
#include "platform/diario_insieme.h"
#include "platform/file_system.h"
#include "tests/cartella_temporanea.h"

namespace scenario::test {
namespace {

std::string nome_di(const std::string& percorso) { return std::filesystem::path(percorso).filename().string(); }

// Sets the write-failure seam for one scope, and clears it on every way out.
class GuastoScrittura {
 public:
  explicit GuastoScrittura(std::function<bool(const std::string&)> guasto) {
    imposta_guasto_scrittura(std::move(guasto));
  }
  ~GuastoScrittura() { imposta_guasto_scrittura(nullptr); }
  GuastoScrittura(const GuastoScrittura&) = delete;
  GuastoScrittura& operator=(const GuastoScrittura&) = delete;
};

// Form_Load in `cartella`, with what it prints kept out of the test's output.
int esegui(const std::string& cartella, std::string* err) {
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  const int stato = Form_Load(cartella);
  testing::internal::GetCapturedStdout();
  *err = testing::internal::GetCapturedStderr();
  return stato;
}

// The names of the files a clean run replaces, in the order it replaces them,
// as the seam sees them.
std::vector<std::string> file_sostituiti() {
  CartellaTemporanea c;
  std::vector<std::string> nomi;
  GuastoScrittura registra([&nomi](const std::string& percorso) {
    nomi.push_back(nome_di(percorso));
    return false;
  });
  std::string err;
  const int stato = esegui(c.percorso(), &err);
  EXPECT_TRUE(stato == kUscitaPulita || stato == kUscitaConGuasti) << err;
  return nomi;
}

TEST(GuastoScrittura, EachFailedReplacementKeepsTheEarlierFileAndEndsWithStatus3) {
  const std::vector<std::string> sostituiti = file_sostituiti();
  // Every run writes at least the two descriptions and the three documents;
  // once the readers compile, the compiled files join the list.
  const NomiFile n("", std::string(kNomeLinea), std::string(kNumeroTreno));
  const std::set<std::string> visti(sostituiti.begin(), sostituiti.end());
  for (const std::string& testo : {n.nome_descrizione_linea(), n.nome_descrizione_treno(), n.nome_note(),
                                   n.nome_rallentamenti(), n.nome_scheda()}) {
    EXPECT_TRUE(visti.count(testo)) << testo << " is not written by a run";
  }

  for (const std::string& bersaglio : sostituiti) {
    SCOPED_TRACE(bersaglio);
    CartellaTemporanea c;
    // The compiled files' set record is the run's own, never a file found
    // there: its failed write leaves none.
    const bool diario = bersaglio == kNomeDiario;
    const std::string precedente = diario ? "" : "earlier content of " + bersaglio + "\r\n";
    if (!diario) c.scrivi(bersaglio, precedente);
    std::string err;
    int stato = 0;
    {
      GuastoScrittura fallisce([&bersaglio](const std::string& percorso) { return nome_di(percorso) == bersaglio; });
      stato = esegui(c.percorso(), &err);
    }
    EXPECT_EQ(stato, kUscitaFileSystem);
    EXPECT_NE(err.find(bersaglio), std::string::npos) << err;
    EXPECT_EQ(c.leggi(bersaglio), precedente);
    // A disk full while writing a document or a compiled file: the run's own
    // descriptions go with it.
    for (const std::string& descrizione : {n.nome_descrizione_linea(), n.nome_descrizione_treno()}) {
      if (descrizione != bersaglio) {
        EXPECT_FALSE(c.esiste(descrizione)) << descrizione << " is left behind";
      }
    }
    for (const auto& voce : std::filesystem::directory_iterator(c.percorso())) {
      const std::string nome = voce.path().filename().string();
      EXPECT_TRUE(visti.count(nome)) << nome << " is left in the folder";
    }
  }
}

}  // namespace
}  // namespace scenario::test
