// compile -o DIR replaces its set of files all or nothing, waits for another
// writer of DIR, removes a DIR it made when it writes nothing, and refuses a
// description far larger than any real one before reading it.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <thread>

#include "platform/blocco_cartella.h"
#include "platform/file_system.h"
#include "platform/uscita.h"
#include "tests/cartella_temporanea.h"
#include "tests/linea_di_prova.h"
#include "tests/motivo_mancante.h"
#include "tests/programma.h"
#include "tool/argomenti.h"
#include "tool/prova_tool.h"

namespace scenario::tool {
namespace {

using test::CartellaTemporanea;
using Contenuti = std::map<std::string, std::string>;

constexpr const char* kPiano = "P_linea.dat";
constexpr const char* kTabella = "P_1.sim";
constexpr const char* kCelle = "P_1.dat";

// What DIR holds: files by name, "<folder>" for a folder.
Contenuti contenuti(const std::string& cartella) {
  Contenuti tutti;
  for (const auto& voce : std::filesystem::directory_iterator(cartella)) {
    const std::string nome = voce.path().filename().string();
    std::string testo = "<folder>";
    if (!voce.is_directory()) leggi_file(voce.path().string(), &testo);
    tutti[nome] = testo;
  }
  return tutti;
}

// A line of 1000 m and a train with nothing in it: a clean compile.
struct Testi {
  Testi() {
    cartella.scrivi("linea.txt", test::descrizione({}, 1000));
    cartella.scrivi("treno.txt", test::righe({"[generale]", "[fine]"}));
  }
  Args compile(const std::string& destinazione) const {
    return {"compile", cartella.file("linea.txt"), cartella.file("treno.txt"), "-o", destinazione,
            "--line-name", "P", "--train-number", "1"};
  }
  CartellaTemporanea cartella;
};

TEST(CompileSostituzione, AFailedSetLeavesTheFolderAllOld) {
  struct Caso {
    const char* nome;
    bool cartella_al_posto_della_tabella;
    const char* rinomina_fallisce;  // the target whose rename fails; nullptr: none
  };
  const Caso casi[] = {
      {.nome = "a folder where the table goes", .cartella_al_posto_della_tabella = true,
       .rinomina_fallisce = nullptr},
      {.nome = "the cell file's rename fails after the others", .cartella_al_posto_della_tabella = false,
       .rinomina_fallisce = kCelle},
  };
  const Testi testi;
  for (const Caso& caso : casi) {
    SCOPED_TRACE(caso.nome);
    CartellaTemporanea d;
    d.scrivi(kPiano, "old plan");
    d.scrivi(kCelle, "old cells");
    if (caso.cartella_al_posto_della_tabella) {
      std::filesystem::create_directory(d.file(kTabella));
    } else {
      d.scrivi(kTabella, "old table");
    }
    const Contenuti prima = contenuti(d.percorso());
    if (caso.rinomina_fallisce != nullptr) {
      const std::string bersaglio = d.file(caso.rinomina_fallisce);
      imposta_guasto_rinomina([bersaglio](const std::string& p) { return p == bersaglio; });
    }
    const Uscita u = esegui(testi.compile(d.percorso()));
    imposta_guasto_rinomina(nullptr);
    EXPECT_EQ(u.stato, kUscitaFileSystem);
    const std::string colpevole = caso.cartella_al_posto_della_tabella ? kTabella : kCelle;
    EXPECT_NE(u.err.find("cannot replace " + d.file(colpevole) + ": "), std::string::npos) << u.err;
    EXPECT_EQ(contenuti(d.percorso()), prima);
  }
}

// On a volume that refuses hard links (FAT, exFAT: the earlier files are
// kept as copies), a second compile and a second decompile into the same
// folder replace their sets, and a failed set still leaves every earlier file.
TEST(CompileSostituzione, ASecondRunWorksWhereTheVolumeHasNoHardLinks) {
  const Testi testi;
  CartellaTemporanea d;
  imposta_collegamenti_rifiutati(true);
  const Uscita prima = esegui(testi.compile(d.percorso()));
  const Uscita seconda = esegui(testi.compile(d.percorso()));
  const Contenuti compilati = contenuti(d.percorso());
  const std::string bersaglio = d.file(kCelle);
  imposta_guasto_rinomina([bersaglio](const std::string& p) { return p == bersaglio; });
  const Uscita fallita = esegui(testi.compile(d.percorso()));
  imposta_guasto_rinomina(nullptr);
  const Contenuti dopo_fallita = contenuti(d.percorso());
  const Args decompila = {"decompile", d.percorso(), "--line-name", "P", "--train-number", "1", "-o",
                          d.file("testi")};
  const Uscita decompilata = esegui(decompila);
  // The second decompile replaces the texts of the first: --force says so.
  Args ridecompila = decompila;
  ridecompila.push_back("--force");
  const Uscita ridecompilata = esegui(ridecompila);
  imposta_collegamenti_rifiutati(false);
  EXPECT_EQ(prima.stato, 0) << prima.err;
  EXPECT_EQ(seconda.stato, 0) << seconda.err;
  EXPECT_EQ(compilati.size(), 3u);
  EXPECT_EQ(fallita.stato, kUscitaFileSystem);
  EXPECT_EQ(dopo_fallita, compilati);
  EXPECT_EQ(decompilata.stato, 0) << decompilata.err;
  EXPECT_EQ(ridecompilata.stato, 0) << ridecompilata.err;
}

TEST(CompileSostituzione, AFolderItMadeGoesWhenItWritesNothing) {
  const Testi testi;
  CartellaTemporanea base;
  const Uscita mancante = esegui({"compile", testi.cartella.file("manca.txt"), testi.cartella.file("treno.txt"),
                                  "-o", base.file("nuova/cartella"), "--line-name", "P", "--train-number", "1"});
  EXPECT_EQ(mancante.stato, kUscitaFileSystem);
  EXPECT_NE(mancante.err.find("cannot open " + testi.cartella.file("manca.txt") + ": " + test::motivo_file_mancante()),
            std::string::npos)
      << mancante.err;
  EXPECT_FALSE(std::filesystem::exists(base.file("nuova")));

  // A folder that was there stays, and so does what it holds.
  base.scrivi("mio.txt", "mine");
  EXPECT_EQ(esegui({"compile", testi.cartella.file("manca.txt"), testi.cartella.file("treno.txt"), "-o",
                    base.percorso(), "--line-name", "P", "--train-number", "1"})
                .stato,
            kUscitaFileSystem);
  EXPECT_EQ(contenuti(base.percorso()), (Contenuti{{"mio.txt", "mine"}}));
}

TEST(CompileSostituzione, ACompileWaitsForAnotherWriterOfTheFolder) {
  const Testi testi;
  CartellaTemporanea d;
  std::optional<BloccoCartella> altro(std::in_place);
  ASSERT_TRUE(altro->prendi(d.percorso(), nullptr).ok());
  Uscita u;
  std::thread compile([&] { u = esegui(testi.compile(d.percorso())); });
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_FALSE(d.esiste(kTabella)) << "the compile did not wait";
  altro.reset();
  compile.join();
  EXPECT_EQ(u.stato, 0) << u.err;
  EXPECT_EQ(u.err, "scenario-tool: waiting for another run in " + d.percorso() + " to finish\n");
  EXPECT_TRUE(d.esiste(kTabella));
}

// 200 MB of description, sparse: refused by its size before it is read, fast
// and in little memory, and no folder is made for it.
// A reader (plot) started while a writer holds the folder waits for it, and
// then reads the writer's whole set: here the writer puts a set of a longer
// line in place of the first, file by file, while the reader waits.
TEST(CompileSostituzione, AReaderWaitsForTheWriterAndSeesOneWholeSet) {
  const Testi testi;
  CartellaTemporanea d, altra;
  ASSERT_EQ(esegui(testi.compile(d.percorso())).stato, 0);
  altra.scrivi("linea.txt", test::descrizione({}, 2000));
  ASSERT_EQ(esegui({"compile", altra.file("linea.txt"), testi.cartella.file("treno.txt"), "-o", altra.percorso(),
                    "--line-name", "P", "--train-number", "1"})
                .stato,
            0);
  std::optional<BloccoCartella> scrittore(std::in_place);
  ASSERT_TRUE(scrittore->prendi(d.percorso(), nullptr).ok());
  Uscita u;
  const std::string svg = testi.cartella.file("p.svg");
  std::thread lettore([&] { u = esegui({"plot", d.percorso(), "-o", svg}); });
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_FALSE(testi.cartella.esiste("p.svg")) << "the reader did not wait";
  for (const char* nome : {kPiano, kTabella, kCelle}) {
    std::string dati;
    ASSERT_TRUE(leggi_file(altra.file(nome), &dati).ok());
    ASSERT_TRUE(sostituisci_file(d.file(nome), dati).ok());
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  scrittore.reset();
  lettore.join();
  EXPECT_EQ(u.stato, 0) << u.err;
  EXPECT_EQ(u.err, "scenario-tool: waiting for another run in " + d.percorso() + " to finish\n");
  std::string disegno;
  ASSERT_TRUE(leggi_file(svg, &disegno).ok());
  EXPECT_NE(disegno.find("Profile, 2 km from the start"), std::string::npos) << "the picture is not of the longer line";
}

// decompile writes its texts as any writer does: into a folder another run
// holds, it waits, and then writes.
TEST(CompileSostituzione, ADecompileWaitsForAnotherWriterOfItsOutputFolder) {
  const Testi testi;
  CartellaTemporanea d, uscita;
  ASSERT_EQ(esegui(testi.compile(d.percorso())).stato, 0);
  std::optional<BloccoCartella> altro(std::in_place);
  ASSERT_TRUE(altro->prendi(uscita.percorso(), nullptr).ok());
  Uscita u;
  std::thread decompila(
      [&] { u = esegui({"decompile", d.percorso(), "--line-name", "P", "--train-number", "1", "-o", uscita.percorso()}); });
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_FALSE(uscita.esiste("P_linea.txt")) << "the decompile did not wait";
  altro.reset();
  decompila.join();
  EXPECT_EQ(u.stato, 0) << u.err;
  EXPECT_EQ(u.err, "scenario-tool: waiting for another run in " + uscita.percorso() + " to finish\n");
  EXPECT_TRUE(uscita.esiste("P_linea.txt"));
}

TEST(CompileSostituzione, AHugeDescriptionIsRefusedUnread) {
  const Testi testi;
  CartellaTemporanea base;
  testi.cartella.scrivi("enorme.txt", "");
  std::filesystem::resize_file(testi.cartella.file("enorme.txt"), 200u << 20);
  const Args args = {"compile", testi.cartella.file("enorme.txt"), testi.cartella.file("treno.txt"), "-o",
                     base.file("uscita"), "--line-name", "P", "--train-number", "1"};
  Args comando = {SCENARIO_TOOL};
  comando.insert(comando.end(), args.begin(), args.end());
  const test::CostoComando costo = test::esegui_misurando(comando);
  EXPECT_EQ(costo.stato, kUscitaDatiNonValidi);
  EXPECT_LT(costo.secondi, test::secondi_di_partenza(SCENARIO_TOOL) + 1.0);
  EXPECT_LT(costo.picco_kib, 256 * 1024);
  const Uscita u = esegui(args);
  EXPECT_EQ(u.stato, kUscitaDatiNonValidi);
  EXPECT_EQ(u.err, testi.cartella.file("enorme.txt") + " holds more than 67108864 bytes (64 MiB), the most a description may hold\n");
  EXPECT_FALSE(std::filesystem::exists(base.file("uscita")));
}

}  // namespace
}  // namespace scenario::tool
