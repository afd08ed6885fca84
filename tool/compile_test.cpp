// scenario-tool compile and check, run in-process on small description pairs.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "content/documenti.h"
#include "model/nomi_file.h"
#include "tests/cartella_temporanea.h"
#include "tests/documento_scritto.h"
#include "tests/linea_di_prova.h"
#include "tests/programma.h"
#include "tool/argomenti.h"
#include "tool/comandi.h"
#include "tool/prova_tool.h"

namespace scenario::tool {
namespace {

using test::CartellaTemporanea;
using test::righe;

// The last line of standard output.
std::string ultima_riga(const std::string& out) {
  std::string s = out;
  while (!s.empty() && s.back() == '\n') s.pop_back();
  const size_t a_capo = s.rfind('\n');
  return a_capo == std::string::npos ? s : s.substr(a_capo + 1);
}

const NomiFile kNomi("", "MilanoPGen-Alessandria", "2635");

// A path as a JSON string holds it: a temporary folder's path has no quote or
// control character, only the backslashes of Windows, each one doubled.
std::string in_json(const std::string& percorso) {
  std::string testo;
  for (char c : percorso) testo += c == '\\' ? std::string("\\\\") : std::string(1, c);
  return testo;
}

TEST(ToolCompile, TheScenarioGivesTheProgramsOwnFiles) {
  CartellaTemporanea programma;
  ASSERT_EQ(test::esegui_programma(programma.percorso()).stato, 0);

  CartellaTemporanea testi;
  const NomiFile nomi = test::nomi_documenti(testi.percorso());
  ASSERT_TRUE(dati_linea(nomi).ok());
  ASSERT_TRUE(dati_treno(nomi).ok());
  const std::string linea = testi.leggi(kNomi.nome_descrizione_linea());
  const std::string treno = testi.leggi(kNomi.nome_descrizione_treno());

  CartellaTemporanea uscita;
  const Uscita u = esegui({"compile", testi.file(kNomi.nome_descrizione_linea()),
                           testi.file(kNomi.nome_descrizione_treno()), "-o", uscita.file("nuova/cartella")});
  EXPECT_EQ(u.stato, 0) << u.err;
  for (const std::string& nome : {kNomi.nome_tracciato(), kNomi.nome_tabella(), kNomi.nome_celle()}) {
    EXPECT_TRUE(uscita.leggi("nuova/cartella/" + nome) == programma.leggi(nome)) << nome;
  }
  // The author's texts are untouched, and nothing else is left in the folder.
  EXPECT_TRUE(testi.leggi(kNomi.nome_descrizione_linea()) == linea);
  EXPECT_TRUE(testi.leggi(kNomi.nome_descrizione_treno()) == treno);
  size_t voci = 0;
  for (const auto& voce : std::filesystem::directory_iterator(uscita.file("nuova/cartella"))) {
    (void)voce;
    ++voci;
  }
  EXPECT_EQ(voci, 3u);

  // check reports the curve that the curve before it already covers.
  const Uscita c = esegui({"check", testi.file(kNomi.nome_descrizione_linea()),
                           testi.file(kNomi.nome_descrizione_treno())});
  EXPECT_EQ(c.stato, 0);
  EXPECT_NE(c.err.find(testi.file(kNomi.nome_descrizione_linea()) +
                       ":47:1: warning: curve at 84250 m, 950 m long, has no effect"),
            std::string::npos)
      << c.err;
}

// A line of 10000 m: cells 0 to 340. Lines 1 to 3 are the general section.
std::string linea(std::initializer_list<const char*> oggetti) { return test::descrizione(oggetti, 10000); }

struct CasoGuasto {
  const char* nome;
  std::string linea;
  std::string treno;
  int stato;
  // The one fault expected in the JSON: its code and position, then its file
  // and line, with "LINE", "TRAIN" standing for the paths.
  std::string guasto;
  std::string dove;
  std::string fatale = "null";
  bool file_scritti = true;
};

TEST(ToolCompile, EachFaultPathReportsCodePositionFileAndLine) {
  const std::string treno_vuoto = righe({"[generale]", "[fine]"});
  const std::string linea_vuota = linea({});
  const std::vector<CasoGuasto> casi = {
      // Without a cell array nothing is compiled.
      {"line length above 1000000", righe({"[generale]", "lunghezza percorso,  2000000", "[fine]"}), treno_vuoto,
       1, R"("code":1,"position":null)", R"("file":"LINE","line":2)", "null", false},
      {"signpost cell taken", linea({"cartello_indicatore,  1300,  A", "cartello_indicatore,  1300,  B"}),
       treno_vuoto, 1, R"("code":6,"position":1300)", R"("file":"LINE","line":5)"},
      {"curve key without a digit", linea({"curvad,  100,  200"}), treno_vuoto, 1,
       R"("code":103,"position":null)", R"("file":"LINE","line":4)"},
      // (20000 + 100) / 50 = 402 is beyond cell 340; the train half still runs.
      {"gradient beyond the cells", linea({"pendenza,  20000,  2"}), treno_vuoto, 1,
       R"("code":15,"position":20000)", R"("file":"LINE","line":4)"},
      {"station off the 50 m grid", linea_vuota,
       righe({"[generale]", "stazione,  1025,  12,  800,  0,  0,  0,  1,  1,  0,  4,  1,  1,  1,  18,  0,  0,   X",
              "[fine]"}),
       1, R"("code":8,"position":1025)", R"("file":"TRAIN","line":2)"},
      {"two signals on one cell", linea_vuota,
       righe({"[generale]", "segnale,  1200,  1,  4,  1,  0,  0,  0,  0,  0,  0,  0",
              "segnale,  1200,  1,  4,  1,  0,  0,  0,  0,  0,  0,  0", "[fine]"}),
       1, R"("code":16,"position":1200)", R"("file":"TRAIN","line":3)"},
      {"a number that is not one", linea_vuota, righe({"[generale]", "vetture,  nove", "[fine]"}), 1,
       R"("code":25,"position":null)", R"("file":"TRAIN","line":2)"},
      // Start cell 5000/50 + 1 = 101; its first window, cells 96, 95 and 94,
      // holds the three signals (4750/50 + 1 = 96 ...), so code 12 at 101 x 50,
      // told at the slowdown's line.
      {"a whole window before a slowdown taken", linea_vuota,
       righe({"[generale]", "segnale,  4650,  1,  4,  1,  0,  0,  0,  0,  0,  0,  0",
              "segnale,  4700,  1,  4,  1,  0,  0,  0,  0,  0,  0,  0",
              "segnale,  4750,  1,  4,  1,  0,  0,  0,  0,  0,  0,  0", "rallentamento,  5000,  60,  500,  0,  0,  0",
              "[fine]"}),
       1, R"("code":12,"position":5050)", R"("file":"TRAIN","line":5)"},
      // An indicator at 0 m lands on cell 0/50 + 1 = 1, the stamp's cell.
      {"reserved slot of the stamp in use", linea({"indicatori_vmax,  0,  90,  90,  90,  0,  ,  ,  ,  0"}),
       treno_vuoto, 2, R"("code":1250,"position":null)", R"("file":"","line":null)", "1250", false},
  };
  for (const CasoGuasto& caso : casi) {
    CartellaTemporanea cartella;
    cartella.scrivi("linea.txt", caso.linea);
    cartella.scrivi("treno.txt", caso.treno);
    const std::string l = cartella.file("linea.txt");
    const std::string t = cartella.file("treno.txt");
    // --force writes what the program writes, faults and all.
    const Uscita u = esegui({"compile", l, t, "-o", cartella.file("out"), "--json", "--force", "--line-name",
                             "MilanoPGen-Alessandria", "--train-number", "2635"});
    EXPECT_EQ(u.stato, caso.stato) << caso.nome << "\n" << u.err;
    const std::string json = ultima_riga(u.out);
    std::string dove = caso.dove;
    for (auto [segnaposto, percorso] : {std::pair{"\"LINE\"", l}, std::pair{"\"TRAIN\"", t}}) {
      const size_t at = dove.find(segnaposto);
      if (at != std::string::npos) dove.replace(at, std::string(segnaposto).size(), "\"" + in_json(percorso) + "\"");
    }
    // The only fault, with what it is and where it stands.
    const std::string guasti = "\"faults\":[{\"severity\":\"error\",\"kind\":\"fault-";
    EXPECT_NE(json.find(guasti), std::string::npos) << caso.nome << "\n" << json;
    EXPECT_EQ(json.find(guasti, json.find(guasti) + 1), std::string::npos) << caso.nome << "\n" << json;
    EXPECT_NE(json.find(caso.guasto + ",\"message\":"), std::string::npos) << caso.nome << "\n" << json;
    EXPECT_NE(json.find(dove + ",\"column\":"), std::string::npos) << caso.nome << "\n" << json;
    EXPECT_NE(json.find("\"fatal\":" + caso.fatale), std::string::npos) << caso.nome << "\n" << json;
    EXPECT_EQ(cartella.esiste("out/" + kNomi.nome_tabella()), caso.file_scritti) << caso.nome;
    EXPECT_EQ(json.find("\"files\":[]") == std::string::npos, caso.file_scritti) << caso.nome;
    // The author's texts are never consumed.
    EXPECT_EQ(cartella.leggi("linea.txt"), caso.linea) << caso.nome;
  }
}

TEST(ToolCompile, StandardErrorNamesFileAndLine) {
  CartellaTemporanea cartella;
  cartella.scrivi("l.txt", linea({"cartello_indicatore,  1300,  A", "cartello_indicatore,  1300,  B"}));
  cartella.scrivi("t.txt", righe({"[generale]", "[fine]"}));
  const Uscita u = esegui({"check", cartella.file("l.txt"), cartella.file("t.txt")});
  EXPECT_EQ(u.stato, 1);
  // Both signposts go to cell 1300 / 50 + 1 = 27; the caret marks the key.
  const std::string l = cartella.file("l.txt");
  EXPECT_EQ(u.err, l + ":5:1: error: signpost cell is not free (Errore n. 6 at 1300 m)\n"
                       " cartello_indicatore,  1300,  B\n"
                       " ^~~~~~~~~~~~~~~~~~~\n"
                       " hint: cell 27 (1350 m to 1400 m) already holds the signpost at " +
                       l + ":4 (A)\n");
  EXPECT_EQ(u.out, "");
}

// A compile stops at the first error: it says that nothing was written and
// that check lists every error, without a count it cannot know.
TEST(ToolCompile, AFaultyCompileSaysCheckListsTheErrors) {
  CartellaTemporanea cartella;
  cartella.scrivi("X_linea.txt", linea({"cartello_indicatore,  1300,  A", "cartello_indicatore,  1300,  B",
                                        "cartello_indicatore,  2300,  C", "cartello_indicatore,  2300,  D"}));
  cartella.scrivi("X_7-.txt", righe({"[generale]", "[fine]"}));
  const Uscita u = esegui({"compile", cartella.file("X_linea.txt"), cartella.file("X_7-.txt"), "-o",
                           cartella.file("uscita")});
  EXPECT_EQ(u.stato, 1);
  EXPECT_EQ(u.out, "");
  EXPECT_NE(u.err.find("scenario-tool: nothing written: the pair has errors, and 'scenario-tool check' lists them all"),
            std::string::npos)
      << u.err;
  EXPECT_FALSE(cartella.esiste("uscita"));
}

TEST(ToolCompile, CleanCompileWithoutPlan) {
  CartellaTemporanea cartella;
  cartella.scrivi("l.txt", linea({}));
  cartella.scrivi("t.txt", righe({"[generale]", "[fine]"}));
  const Uscita u = esegui({"compile", cartella.file("l.txt"), cartella.file("t.txt"), "-o", cartella.percorso(),
                           "--no-plan", "--line-name", "Prova", "--train-number", "7", "--json"});
  EXPECT_EQ(u.stato, 0) << u.err;
  EXPECT_EQ(ultima_riga(u.out), R"({"codice_errore":0,"posizione_errore":0,"fatal":null,"faults":[],)"
                                R"("warnings":[],"kinds":[],"files":[")" +
                                    in_json(cartella.file("Prova_7.sim")) + R"(",")" +
                                    in_json(cartella.file("Prova_7.dat")) + "\"]}");
  EXPECT_FALSE(cartella.esiste("Prova_linea.dat"));
}

TEST(ToolCompile, UsageErrors) {
  for (const Args& args : std::vector<Args>{{},
                                            {"compile"},
                                            {"compile", "a"},
                                            {"compile", "a", "b", "c"},
                                            {"compile", "a", "b", "-o"},
                                            {"compile", "a", "b", "--line-name", "x/y"},
                                            {"check", "a", "b", "-o", "d"},
                                            {"frobnicate"}}) {
    const Uscita u = esegui(args);
    EXPECT_EQ(u.stato, kUscitaUso) << (args.empty() ? "" : args[0]);
    EXPECT_NE(u.err.find("usage:"), std::string::npos);
  }
  EXPECT_EQ(esegui({"compile", "/nonexistent/X_linea.txt", "/nonexistent/X_7-.txt", "-o", "/tmp"}).stato, 3);
  // A name given empty is refused as empty, even where the files' names
  // would give one.
  for (const Args& args : std::vector<Args>{{"compile", "X_linea.txt", "X_7-.txt", "--train-number", ""},
                                            {"compile", "a", "b", "--line-name=", "--train-number", "7"},
                                            {"check", "X_linea.txt", "X_7-.txt", "--train-number="}}) {
    const Uscita u = esegui(args);
    EXPECT_EQ(u.stato, kUscitaUso) << args[3];
    EXPECT_NE(u.err.find(args[3].substr(0, args[3].find('=')) + " is empty: give a name"), std::string::npos) << u.err;
    EXPECT_EQ(u.err.find("are not named"), std::string::npos) << u.err;
  }
  for (const char* comando : {"compile", "check", "dump", "plot"}) {
    EXPECT_EQ(esegui({comando, "--help"}).stato, 0) << comando;
    EXPECT_EQ(esegui({comando, "--version"}).out, std::string("scenario-tool ") + SCENARIO_VERSION + "\n") << comando;
  }
  EXPECT_EQ(esegui({"--version"}).stato, 0);
}

}  // namespace
}  // namespace scenario::tool
