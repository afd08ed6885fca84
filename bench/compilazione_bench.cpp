// Benchmarks of the compile step on the scenario's own descriptions: the
// reading stage, the layout pass with the stamps and codes, the encoding of the
// compiled files, the three together in memory, the writing of the files, and
// the whole compile step as the program runs it.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "content/documenti.h"
#include "driver/memorizza_dati.h"
#include "driver/memorizza_percorso.h"
#include "driver/scrittura_file_compilati.h"
#include "layout/completa_percorso.h"
#include "model/file_compilati.h"
#include "model/nomi_file.h"
#include "model/scenario.h"
#include "model/stato.h"
#include "tests/cartella_temporanea.h"

namespace scenario {
namespace {

const test::CartellaTemporanea& cartella() {
  static const test::CartellaTemporanea c;
  return c;
}

const NomiFile& nomi() {
  static const NomiFile n(cartella().percorso(), std::string(kNomeLinea), std::string(kNumeroTreno));
  return n;
}

Compilatore stato_scenario() {
  Compilatore s;
  s.nome_linea = std::string(kNomeLinea);
  s.numero_treno = std::string(kNumeroTreno);
  s.azzera(1);
  return s;
}

// A fresh state with both descriptions on disk: the reading stage consumes
// them.
Compilatore con_descrizioni() {
  Compilatore s = stato_scenario();
  if (!dati_linea(nomi()).ok() || !dati_treno(nomi()).ok()) std::abort();
  return s;
}

// The same, with the clock stopped while the descriptions are written.
Compilatore prepara(benchmark::State& misura) {
  misura.PauseTiming();
  Compilatore s = con_descrizioni();
  misura.ResumeTiming();
  return s;
}

// Compile steps 4 to 6: the layout pass, the reserved slots and the codes.
// Without a cell array the compile step stops before them, and so does this.
void impagina(Compilatore& s) {
  if (!s.ha_cella_uno()) return;
  if (completa_percorso(s) != 0) std::abort();
}

// The bytes of the three compiled files, as compile step 7 encodes them.
size_t codifica(const Compilatore& s) {
  const std::string tracciato = s.tracciato.presente() ? codifica_tracciato(s.tracciato) : std::string();
  const std::string tabella = codifica_elementi(s.elementi);
  const std::string celle = codifica_celle(s.celle);
  benchmark::DoNotOptimize(tracciato.data());
  benchmark::DoNotOptimize(tabella.data());
  benchmark::DoNotOptimize(celle.data());
  return tracciato.size() + tabella.size() + celle.size();
}

const Compilatore& letto() {
  static const Compilatore s = [] {
    Compilatore c = con_descrizioni();
    memorizza_dati(c, nomi());
    return c;
  }();
  return s;
}

const Compilatore& compilato() {
  static const Compilatore s = [] {
    Compilatore c = letto();
    impagina(c);
    return c;
  }();
  return s;
}

void BM_Lettura(benchmark::State& misura) {
  for (auto _ : misura) {
    Compilatore s = prepara(misura);
    memorizza_dati(s, nomi());
    benchmark::DoNotOptimize(s.celle.data());
  }
}
BENCHMARK(BM_Lettura)->Unit(benchmark::kMillisecond);

void BM_Impaginazione(benchmark::State& misura) {
  for (auto _ : misura) {
    misura.PauseTiming();
    Compilatore s = letto();
    misura.ResumeTiming();
    impagina(s);
    benchmark::DoNotOptimize(s.celle.data());
  }
}
BENCHMARK(BM_Impaginazione)->Unit(benchmark::kMillisecond);

void BM_Codifica(benchmark::State& misura) {
  int64_t byte = 0;
  for (auto _ : misura) byte += static_cast<int64_t>(codifica(compilato()));
  misura.SetBytesProcessed(byte);
}
BENCHMARK(BM_Codifica)->Unit(benchmark::kMillisecond);

// Reading, layout and encoding: the compile step without its file writes.
void BM_CompilazioneInMemoria(benchmark::State& misura) {
  for (auto _ : misura) {
    Compilatore s = prepara(misura);
    memorizza_dati(s, nomi());
    impagina(s);
    benchmark::DoNotOptimize(codifica(s));
  }
}
BENCHMARK(BM_CompilazioneInMemoria)->Unit(benchmark::kMillisecond);

// The three compiled files replaced whole, each through its temporary file.
void BM_ScritturaFile(benchmark::State& misura) {
  const size_t byte = codifica(compilato());
  for (auto _ : misura) {
    if (!scrivi_file_compilati(nomi(), compilato()).ok()) std::abort();
  }
  misura.SetBytesProcessed(misura.iterations() * static_cast<int64_t>(byte));
}
BENCHMARK(BM_ScritturaFile)->Unit(benchmark::kMillisecond);

void BM_CompilazioneCompleta(benchmark::State& misura) {
  for (auto _ : misura) {
    Compilatore s = prepara(misura);
    const EsitoCompilazione esito = memorizza_percorso(s, nomi(), 1);
    if (!esito.file_system.ok() || esito.fatale != 0) std::abort();
  }
}
BENCHMARK(BM_CompilazioneCompleta)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace scenario
