#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "disegno/vista_html.h"
#include "model/file_compilati.h"
#include "platform/uscita.h"
#include "tests/cartella_temporanea.h"
#include "tool/argomenti.h"
#include "tool/comandi.h"
#include "tool/prova_tool.h"

namespace scenario::tool {
namespace {

using test::CartellaTemporanea;

// A line of 1000 m (cells 0 to 160) with one station whose name tries to
// close the page's script, one signal and one signpost.
struct Piccolo {
  Elementi elementi{};
  std::vector<Cella> celle = std::vector<Cella>(161);
};

Piccolo piccolo() {
  Piccolo m;
  m.elementi[1].testo = "</script><b>\"Citt\xE0\"";
  m.elementi[1].dato3 = 500;
  m.elementi[1].dato4 = (18 * 60 + 15) * 60;
  m.elementi[80].testo = "( P.L. )";
  m.elementi[kRigaValoriCorsa].dato2 = 1000;
  m.elementi[kRigaLinea].testo = "Prova";
  m.elementi[kRigaTreno].testo = "7";
  m.elementi[kRigaTreno].intero3 = 17, m.elementi[kRigaTreno].intero4 = 59, m.elementi[kRigaTreno].intero5 = 40;
  m.celle[13].tipo = kSegnale;  // the signal placed at 600 m
  m.celle[13].valore_d = 3;     // kind 1 on the left
  m.celle[5].tipo = kCartello, m.celle[5].valore_a = 80;
  return m;
}

// The timetable gives each timed station the least running time from the
// timed station before it: a second station at 900 m, 400 m on at 80 km/h
// (8 cells of 2.25 s), 18 s.
TEST(View, TheTimetableShowsTheLeastRunningTime) {
  Piccolo m = piccolo();
  m.elementi[2].testo = "B";
  m.elementi[2].dato3 = 900;
  m.elementi[2].dato4 = (18 * 60 + 20) * 60;
  for (Cella& c : m.celle) c.velocita = 16;
  const std::string pagina = pagina_vista(m.elementi, m.celle, nullptr);
  EXPECT_NE(pagina.find("\"orario\":\"18:15\",\"tipo\":0,\"sosta\":0,\"minimo\":0}"), std::string::npos);
  EXPECT_NE(pagina.find("\"orario\":\"18:20\",\"tipo\":0,\"sosta\":0,\"minimo\":18}"), std::string::npos);
  EXPECT_NE(pagina.find(">Least</th>"), std::string::npos);
}

TEST(View, ThePageCarriesItsDataInlineAndNoTextCanBreakOutOfIt) {
  const Piccolo m = piccolo();
  const std::string pagina = pagina_vista(m.elementi, m.celle, nullptr);
  // One inline script for the data and one for the code; nothing fetched.
  EXPECT_EQ(pagina.find("src="), std::string::npos);
  EXPECT_EQ(pagina.find("href="), std::string::npos);
  EXPECT_EQ(pagina.find("https:"), std::string::npos);
  size_t script = 0;
  for (size_t i = pagina.find("<script"); i != std::string::npos; i = pagina.find("<script", i + 1)) ++script;
  EXPECT_EQ(script, 2u);
  EXPECT_NE(pagina.find(
                "\"stazioni\":[{\"nome\":\"\\u003c/script\\u003e\\u003cb\\u003e\\\"Citt\u00E0\\\"\",\"m\":500,\"da\":0,"
                "\"a\":0,\"ferma\":true,\"orario\":\"18:15\",\"tipo\":0,\"sosta\":0,\"minimo\":0}]"),
            std::string::npos);
  EXPECT_NE(pagina.find("\"segnali\":[[600,1,0,0,0,0,0,0]]"), std::string::npos);
  EXPECT_NE(pagina.find("\"cartelli\":[[200,\"( P.L. )\"]]"), std::string::npos);
  EXPECT_NE(pagina.find("\"orologio\":\"17:59:40\",\"lunghezza\":1000,"), std::string::npos);
  EXPECT_NE(pagina.find("<title>Line Prova, train 7</title>"), std::string::npos);
}

// The live page's own data (diagnostics, paths: any text of the author's) is
// inline too, and cannot close its element either.
TEST(View, TheLivePageCarriesItsDiagnosticsInlineAndSafely) {
  Percorso p;
  p.lunghezza = 1000;
  const std::string pagina = pagina_vista(p, Json{{"versione", 3}, {"stato", "</script><b>&"}});
  EXPECT_NE(pagina.find(R"({"versione":3,"stato":"\u003c/script\u003e\u003cb\u003e\u0026"})"), std::string::npos);
  EXPECT_NE(pagina.find("<section id=\"diagnostiche\"></section>"), std::string::npos);
  size_t script = 0;
  for (size_t i = pagina.find("<script"); i != std::string::npos; i = pagina.find("<script", i + 1)) ++script;
  EXPECT_EQ(script, 4u);  // the route, the live data, the live part, the viewer
  EXPECT_EQ(pagina_vista(p).find("id=\"diagnostiche\""), std::string::npos);
}

// The track goes to the page as whole centimetres, each sample as its
// difference from the one before: (0, 0), (7.071, 7.071), (14.142, 14.142)
// round to 707 and 1414 cm, so both steps are 707; the margin starts over
// from its own first sample. A point that is not a number is left out.
TEST(View, TheTrackIsSentAsWholeCentimetreDifferences) {
  Percorso p;
  p.lunghezza = 20;
  p.traccia = {{0, {0.0, 0.0}}, {10, {7.071, 7.071}}, {15, {std::nan(""), 1.0}}, {20, {14.142, 14.142}}};
  p.margine = {{20, {14.142, 14.142}}, {30, {14.142, 24.142}}};
  const std::string json = json_percorso(p);
  EXPECT_NE(json.find("\"traccia\":[0,0,0,10,707,707,10,707,707],\"margine\":[20,1414,1414,10,0,1000]"), std::string::npos)
      << json;
}

TEST(View, TheCommandFindsTheOnlyScenarioOrSaysWhy) {
  CartellaTemporanea c;
  const Piccolo m = piccolo();
  c.scrivi("Prova_7.sim", codifica_elementi(m.elementi));
  c.scrivi("Prova_7.dat", codifica_celle(m.celle));
  struct Caso {
    const char* nome;
    std::vector<std::string> args;  // after "view"
    int stato;
    std::string err_inizia;
  };
  const std::vector<Caso> casi = {
      {"the only scenario, no names", {c.percorso(), "-o", c.file("v.html")}, 0, ""},
      {"named", {c.percorso(), "--line-name", "Prova", "--train-number", "7", "-o", c.file("v.html")}, 0, ""},
      {"a train the folder lacks", {c.percorso(), "--train-number", "8", "-o", c.file("v.html")}, kUscitaFileSystem,
       "scenario-tool: no compiled scenario (a NAME_NUM.sim table file) in " + c.percorso() + "; it holds:"},
      {"no DIR", {"-o", c.file("v.html")}, kUscitaUso, "scenario-tool: expected one DIR; try 'scenario-tool view --help'\n"},
      {"an unwritable page", {c.percorso(), "-o", c.file("manca/v.html")}, kUscitaFileSystem, "scenario-tool: "},
      // The live view takes a pair and writes nothing; its link goes with it only.
      {"--watch on a folder", {c.percorso(), "--watch"}, kUscitaUso, "scenario-tool: --watch expects LINE and TRAIN; try 'scenario-tool view --help'\n"},
      {"--watch with a page to write", {c.file("l.txt"), c.file("t.txt"), "--watch", "-o", c.file("v.html")}, kUscitaUso,
       "scenario-tool: --watch serves the page and writes none: leave out -o; try 'scenario-tool view --help'\n"},
      {"--editor without --watch", {c.percorso(), "--editor", "none", "-o", c.file("v.html")}, kUscitaUso,
       "scenario-tool: --editor goes with --watch; try 'scenario-tool view --help'\n"},
  };
  for (const Caso& caso : casi) {
    SCOPED_TRACE(caso.nome);
    std::remove(c.file("v.html").c_str());
    Args args = {"view"};
    args.insert(args.end(), caso.args.begin(), caso.args.end());
    const Uscita u = esegui(args);
    EXPECT_EQ(u.stato, caso.stato);
    EXPECT_EQ(u.err.substr(0, caso.err_inizia.size()), caso.err_inizia) << u.err;
    EXPECT_EQ(c.esiste("v.html"), caso.stato == 0);
    if (caso.stato == 0) {
      EXPECT_EQ(c.leggi("v.html").substr(0, 15), "<!DOCTYPE html>");
    }
  }
}

}  // namespace
}  // namespace scenario::tool
