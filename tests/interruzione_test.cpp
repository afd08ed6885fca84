// A run killed at any moment leaves every file of the scenario either as the
// earlier complete file or as the new complete file, and nothing that trips
// the next run.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "content/documenti.h"
#include "content/lista_righe.h"
#include "driver/form_load.h"
#include "model/nomi_file.h"
#include "model/scenario.h"
#include "tests/cartella_temporanea.h"
#include "tests/programma.h"

namespace scenario::test {
namespace {

using Contenuti = std::map<std::string, std::string>;  // file name -> bytes
using Microsecondi = std::chrono::microseconds;

constexpr int kColpiMinimi = 200;     // kills that must land while the run is alive
constexpr int kColpiPerVerifica = 10;  // kills between two runs left to finish

const NomiFile& nomi() {
  static const NomiFile n("", std::string(kNomeLinea), std::string(kNumeroTreno));
  return n;
}

// Every file a run writes: the five texts, then the three compiled files.
std::vector<std::string> nomi_della_corsa() {
  const NomiFile& n = nomi();
  return {n.nome_descrizione_linea(), n.nome_descrizione_treno(), n.nome_note(), n.nome_rallentamenti(),
          n.nome_scheda(),            n.nome_tracciato(),         n.nome_tabella(), n.nome_celle()};
}

// What the folder holds, the program itself left out.
Contenuti contenuti(const CartellaTemporanea& c) {
  const std::string programma = std::filesystem::path(programma_in(c.percorso())).filename().string();
  Contenuti tutti;
  for (const auto& voce : std::filesystem::directory_iterator(c.percorso())) {
    const std::string nome = voce.path().filename().string();
    if (nome != programma) tutti[nome] = c.leggi(nome);
  }
  return tutti;
}

// A file of an earlier run, different from anything this run writes.
std::string precedente(const std::string& nome) { return "earlier content of " + nome + "\r\n"; }

void pianta_precedenti(const CartellaTemporanea& c) {
  for (const std::string& nome : nomi_della_corsa()) c.scrivi(nome, precedente(nome));
}

// What a file may hold after a kill: its earlier content, what a clean run
// leaves, and for a description the text as its writer makes it. A
// description may also be gone, consumed by its reader.
bool ammesso(const std::string& nome, const std::string* trovato, const Contenuti& riferimento) {
  const bool linea = nome == nomi().nome_descrizione_linea();
  const bool descrizione = linea || nome == nomi().nome_descrizione_treno();
  if (trovato == nullptr) return descrizione;
  if (*trovato == precedente(nome)) return true;
  const auto pulito = riferimento.find(nome);
  if (pulito != riferimento.end() && *trovato == pulito->second) return true;
  if (!descrizione) return false;
  return *trovato == ListaRighe(linea ? righe_linea() : righe_treno()).testo();
}

// The first file that is neither whole earlier nor whole new; "" when none.
// Other names (a killed replacement's temporary file) are left to the next run.
std::string file_danneggiato(const CartellaTemporanea& c, const Contenuti& riferimento) {
  const Contenuti trovati = contenuti(c);
  for (const std::string& nome : nomi_della_corsa()) {
    const auto f = trovati.find(nome);
    if (!ammesso(nome, f == trovati.end() ? nullptr : &f->second, riferimento)) return nome;
  }
  return "";
}

// The first difference from the folder of a clean run; "" when none. A file
// that a clean run does not write keeps its earlier content.
std::string differenza(const Contenuti& trovati, const Contenuti& riferimento) {
  const std::vector<std::string> della_corsa = nomi_della_corsa();
  for (const auto& [nome, byte] : trovati) {
    const auto r = riferimento.find(nome);
    if (r != riferimento.end()) {
      if (r->second != byte) return nome + " differs from a clean run's";
    } else if (std::find(della_corsa.begin(), della_corsa.end(), nome) == della_corsa.end()) {
      return nome + " is left over";
    } else if (byte != precedente(nome)) {
      return nome + " changed, yet a clean run does not write it";
    }
  }
  for (const auto& [nome, byte] : riferimento) {
    if (trovati.find(nome) == trovati.end()) return nome + " is missing";
  }
  return "";
}

// Starts the program and kills it once `ritardo` has passed since the start.
// True when the kill landed, false when the run had already ended.
bool uccidi_dopo(const CartellaTemporanea& c, Microsecondi ritardo) {
  const auto inizio = std::chrono::steady_clock::now();
  return test::uccidi_dopo(avvia_programma(c.percorso()), inizio, ritardo);
}

// The median time of a whole run, from the start of the process to its end.
Microsecondi durata_corsa(const CartellaTemporanea& c) {
  std::vector<Microsecondi> tempi;
  for (int i = 0; i < 5; ++i) {
    const auto inizio = std::chrono::steady_clock::now();
    int stato = 0;
    ::waitpid(avvia_programma(c.percorso()), &stato, 0);
    tempi.push_back(std::chrono::duration_cast<Microsecondi>(std::chrono::steady_clock::now() - inizio));
  }
  std::sort(tempi.begin(), tempi.end());
  return tempi[tempi.size() / 2];
}

// A run left to finish after kills: whatever they left behind, it ends as a
// clean run does and leaves the same files, and only them.
void finisce_come_una_corsa_pulita(const CartellaTemporanea& c, const EsitoProgramma& pulita,
                                   const Contenuti& riferimento) {
  const EsitoProgramma dopo = esegui_programma(c.percorso());
  ASSERT_EQ(dopo.stato, pulita.stato) << dopo.err;
  ASSERT_EQ(differenza(contenuti(c), riferimento), "");
}

TEST(Interruzione, AKilledRunLeavesWholeFilesAndTheNextRunCleansUp) {
  CartellaTemporanea pulita;
  const EsitoProgramma prima = esegui_programma(pulita.percorso());
  ASSERT_TRUE(prima.stato == kUscitaPulita || prima.stato == kUscitaConGuasti) << prima.err;
  const Contenuti riferimento = contenuti(pulita);
  const Microsecondi durata = durata_corsa(pulita);

  CartellaTemporanea lavoro;
  int colpi = 0;
  for (int tentativo = 0; colpi < kColpiMinimi && tentativo < 4 * kColpiMinimi; ++tentativo) {
    // The kill moments walk across the run's duration; a second pass over it
    // falls halfway between the moments of the first.
    const double frazione = (tentativo % kColpiMinimi + 0.5 * (tentativo / kColpiMinimi % 2)) / kColpiMinimi;
    const Microsecondi ritardo(static_cast<int64_t>(frazione * static_cast<double>(durata.count())));
    SCOPED_TRACE("killed after " + std::to_string(ritardo.count()) + " us of " + std::to_string(durata.count()));
    pianta_precedenti(lavoro);
    if (uccidi_dopo(lavoro, ritardo)) ++colpi;
    ASSERT_EQ(file_danneggiato(lavoro, riferimento), "");

    if ((tentativo + 1) % kColpiPerVerifica == 0) {
      ASSERT_NO_FATAL_FAILURE(finisce_come_una_corsa_pulita(lavoro, prima, riferimento));
    }
  }
  finisce_come_una_corsa_pulita(lavoro, prima, riferimento);
  EXPECT_GE(colpi, kColpiMinimi) << "runs of " << durata.count() << " us mostly ended before the kill";
}

}  // namespace
}  // namespace scenario::test
