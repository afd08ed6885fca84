// The writers of a set of files killed at random moments: `compile -o`, the
// program and `decompile -o`, each killed with SIGKILL at a moment drawn from
// a seeded generator over its run's measured duration, then followed by the
// next run into the folder (one that writes nothing: it only completes or
// undoes what the killed run left). The folder then holds one whole set, the
// earlier or the new, every file of it by its SHA-256, and nothing else. (The
// kill at each chosen step between the renames is DiarioInsieme's test.)
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "model/nomi_file.h"
#include "model/scenario.h"
#include "platform/diario_insieme.h"
#include "platform/file_system.h"
#include "platform/nomi_temporanei.h"
#include "platform/uscita.h"
#include "tests/cartella_temporanea.h"
#include "tests/linea_di_prova.h"
#include "tests/programma.h"
#include "tests/sha256.h"
#include "tool/argomenti.h"
#include "tool/prova_tool.h"

namespace scenario::tool {
namespace {

using test::CartellaTemporanea;
using Impronte = std::map<std::string, std::string>;  // file name -> SHA-256
using Microsecondi = std::chrono::microseconds;

// Kills of each writer that land while it runs; with the runs that follow
// them the test takes about 15 s. The seed makes the moments reproducible.
constexpr int kUccisioni = 60;
constexpr unsigned kSeme = 20261211;

// The SHA-256 of each file of `nomi` in `cartella`, and "<left over>" for the
// set's record or a temporary file of one of `nomi`, so that what a killed
// run left and the next run did not clear shows. Other files (the program
// and its texts) are not the set's.
Impronte impronte(const std::string& cartella, const std::vector<std::string>& nomi) {
  Impronte tutte;
  for (const auto& voce : std::filesystem::directory_iterator(cartella)) {
    const std::string nome = voce.path().filename().string();
    std::string dati;
    if (std::find(nomi.begin(), nomi.end(), nome) != nomi.end()) {
      if (leggi_file(voce.path().string(), &dati).ok()) tutte[nome] = test::sha256_hex(dati);
    } else if (nome == kNomeDiario ||
               std::any_of(nomi.begin(), nomi.end(), [&](const std::string& n) { return temporaneo_di(nome, n); })) {
      tutte[nome] = "<left over>";
    }
  }
  return tutte;
}

// The median wall time of a whole run of `argomenti`.
Microsecondi durata(const std::vector<std::string>& argomenti) {
  std::vector<double> tempi;
  for (int i = 0; i < 5; ++i) tempi.push_back(test::esegui_misurando(argomenti).secondi);
  std::sort(tempi.begin(), tempi.end());
  return Microsecondi(static_cast<int64_t>(tempi[2] * 1e6));
}

// One writer: the commands that write each of two sets into the folder, the
// names of the set's files, and the next run, which writes nothing.
struct Scrittore {
  const char* nome;
  std::string cartella;
  std::vector<std::string> nomi;
  std::vector<std::string> scrivi[2];
  std::function<void()> prossima_corsa;
};

// Writes set 0, then kills writers of alternating sets: after each kill and
// the next run, the folder holds set 0 or set 1 whole.
void prova_uccisioni(const Scrittore& s, std::mt19937* caso) {
  SCOPED_TRACE(s.nome);
  Impronte insiemi[2];
  for (int i : {1, 0}) {
    ASSERT_EQ(test::esegui_misurando(s.scrivi[i]).stato, 0);
    insiemi[i] = impronte(s.cartella, s.nomi);
  }
  ASSERT_NE(insiemi[0], insiemi[1]);
  Microsecondi tempo = std::max(durata(s.scrivi[0]), durata(s.scrivi[1]));
  // Kills that land while the run is alive are counted; a run that ended
  // before its kill is tried again, as many as seven times for each kill. Run
  // times swing with the machine's load and the disk's syncs, so each run
  // that ended first shortens the span the moments are drawn from by a tenth.
  int presente = 0, colpi = 0, nuovi = 0;
  for (int tentativo = 0; colpi < kUccisioni && tentativo < 8 * kUccisioni; ++tentativo) {
    // Moments up to 1.2 times a run: some land after its last rename.
    std::uniform_int_distribution<int64_t> momento(0, tempo.count() * 6 / 5);
    const Microsecondi ritardo(momento(*caso));
    SCOPED_TRACE("attempt " + std::to_string(tentativo) + ": killed after " + std::to_string(ritardo.count()) +
                 " us of " + std::to_string(tempo.count()));
    const auto inizio = std::chrono::steady_clock::now();
    const bool colpito = test::uccidi_dopo(test::avvia_comando(s.scrivi[1 - presente]), inizio, ritardo);
    s.prossima_corsa();
    const Impronte trovate = impronte(s.cartella, s.nomi);
    ASSERT_TRUE(trovate == insiemi[0] || trovate == insiemi[1]) << ::testing::PrintToString(trovate);
    colpi += colpito;
    if (!colpito) tempo = std::max(Microsecondi(1000), tempo * 9 / 10);
    if (trovate == insiemi[1 - presente]) {
      nuovi += colpito;
      presente = 1 - presente;
    }
  }
  EXPECT_EQ(colpi, kUccisioni) << "runs of " << tempo.count() << " us mostly ended before the kill";
  std::printf("%s: %d kills landed, %d of them left the new set\n", s.nome, colpi, nuovi);
}

// The tool's arguments as a process's: the executable first.
std::vector<std::string> processo(Args args) {
  args.insert(args.begin(), SCENARIO_TOOL);
  return args;
}

TEST(UccisioniCasuali, EveryKilledWriterLeavesOneWholeSetAfterTheNextRun) {
  std::mt19937 caso(kSeme);
  CartellaTemporanea testi;
  testi.scrivi("corta.txt", test::descrizione({}, 1000));
  testi.scrivi("lunga.txt", test::descrizione({"pendenza,  500,  12"}, 3000));
  testi.scrivi("treno.txt", test::righe({"[generale]", "[fine]"}));
  // A train description with an error: a compile of it writes nothing.
  testi.scrivi("sbagliato.txt", test::righe({"[generale]", "velcita,  1000,  60", "[fine]"}));
  const auto compile = [&testi](const std::string& linea, const std::string& cartella, const std::string& nome,
                                const std::string& treno) -> Args {
    return {"compile", testi.file(linea), testi.file("treno.txt"), "-o", cartella, "--line-name", nome,
            "--train-number", treno};
  };
  // The next run after a killed writer: a compile into its folder that
  // refuses its pair, so that what the folder holds is the killed run's.
  const auto compile_rifiutato = [&testi](const std::string& cartella, const std::string& nome,
                                          const std::string& treno) {
    return [&testi, cartella, nome, treno] {
      const Uscita u = esegui({"compile", testi.file("corta.txt"), testi.file("sbagliato.txt"), "-o", cartella,
                               "--line-name", nome, "--train-number", treno});
      EXPECT_EQ(u.stato, 1) << u.err;
    };
  };

  // compile -o: a line of 1000 m and one of 3000 m.
  CartellaTemporanea d;
  const NomiFile p("", "P", "1");
  prova_uccisioni({"compile -o", d.percorso(), {p.nome_tracciato(), p.nome_tabella(), p.nome_celle()},
                   {processo(compile("corta.txt", d.percorso(), "P", "1")),
                    processo(compile("lunga.txt", d.percorso(), "P", "1"))},
                   compile_rifiutato(d.percorso(), "P", "1")},
                  &caso);

  // decompile -o: the texts of the two compiled sets, into one folder.
  CartellaTemporanea a, b, o;
  ASSERT_EQ(esegui(compile("corta.txt", a.percorso(), "P", "1")).stato, 0);
  ASSERT_EQ(esegui(compile("lunga.txt", b.percorso(), "P", "1")).stato, 0);
  prova_uccisioni({"decompile -o", o.percorso(), {p.nome_descrizione_linea(), p.nome_descrizione_treno()},
                   {processo({"decompile", a.percorso(), "-o", o.percorso(), "--force"}),
                    processo({"decompile", b.percorso(), "-o", o.percorso(), "--force"})},
                   [&] {
                     // Without --force, onto the texts already there: writes nothing.
                     const Uscita u = esegui({"decompile", a.percorso(), "-o", o.percorso()});
                     EXPECT_EQ(u.stato, kUscitaGiaPresente) << u.err;
                   }},
                  &caso);

  // The program in its folder: its own set, and the set a compile of the
  // 1000 m line writes under the program's names; the program's texts are
  // files of its own, each replaced whole (Interruzione's test).
  CartellaTemporanea c;
  const std::string nome(kNomeLinea), treno(kNumeroTreno);
  const NomiFile n("", nome, treno);
  ASSERT_EQ(test::esegui_programma(c.percorso()).stato, 0);
  prova_uccisioni({"the program", c.percorso(), {n.nome_tracciato(), n.nome_tabella(), n.nome_celle()},
                   {{test::programma_in(c.percorso())}, processo(compile("corta.txt", c.percorso(), nome, treno))},
                   compile_rifiutato(c.percorso(), nome, treno)},
                  &caso);
}

}  // namespace
}  // namespace scenario::tool
