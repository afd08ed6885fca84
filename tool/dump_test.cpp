#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>
#include <sstream>
#include <string>

#include "model/nomi_file.h"
#include "model/decodifica_file.h"
#include "model/file_compilati.h"
#include "tests/cartella_temporanea.h"
#include "tests/programma.h"
#include "tool/argomenti.h"
#include "tool/comandi.h"
#include "tool/prova_tool.h"

namespace scenario::tool {
namespace {

using test::CartellaTemporanea;

Uscita dump(const Args& args) { return esegui_con(comando_dump, args); }

TEST(ToolDump, ReadsBackWhatTheWritersWrote) {
  CartellaTemporanea cartella;
  Elementi e{};
  e[1].testo = "MILANO P.GENOVA";
  e[1].dato1 = -400;
  e[80].testo = "Localit\xE0";
  cartella.scrivi("x_1.sim", codifica_elementi(e));
  std::vector<Cella> celle(30);
  celle[25] = Cella{1, 41, 10, 0, 3, 0, 0, 0, 18, 100, 100};
  for (size_t k = 0; k < 25; ++k) celle[k].velocita = 6;
  cartella.scrivi("x_1.dat", codifica_celle(celle));
  PuntiTracciato t;
  t.x = {{TagPunto::kIntero, 0, 0}, {TagPunto::kIntero, 0, 0}, {TagPunto::kReale, 0, 0.5}, {}};
  t.y = {{TagPunto::kIntero, 0, 0}, {TagPunto::kIntero, 1, 0}, {TagPunto::kReale, 0, 2.0}, {}};
  cartella.scrivi("x_linea.dat", codifica_tracciato(t));

  Uscita tabella = dump({cartella.file("x_1.sim")});
  ASSERT_EQ(tabella.stato, 0) << tabella.err;
  EXPECT_NE(tabella.out.find("row 1: tipo 0, dato1 -400, dato2 0, dato3 0, segno 0, testo \"MILANO P.GENOVA\""),
            std::string::npos);
  EXPECT_NE(tabella.out.find("testo \"Localit\xC3\xA0\""), std::string::npos);  // shown as UTF-8
  // Rows 0 to 86, of which only 1 and 80 hold something: the other 85 are
  // counted, and shown with --all.
  EXPECT_EQ(tabella.out.find("row 86:"), std::string::npos);
  EXPECT_NE(tabella.out.find("\n(85 empty rows not shown; --all shows them)\n"), std::string::npos) << tabella.out;
  const Uscita tutte = dump({cartella.file("x_1.sim"), "--all"});
  EXPECT_NE(tutte.out.find("row 86: tipo 0, dato1 0"), std::string::npos);
  EXPECT_EQ(tutte.out.find("empty rows"), std::string::npos);

  Uscita file_celle = dump({cartella.file("x_1.dat")});
  ASSERT_EQ(file_celle.stato, 0) << file_celle.err;
  EXPECT_NE(file_celle.out.find("cell 25 (1250 m): tipo 1 segnale, valore_a 41, valore_b 10, valore_c 0, valore_d 3"),
            std::string::npos);
  EXPECT_EQ(file_celle.out.find("cell 24 "), std::string::npos);  // holds nothing but its profile
  EXPECT_NE(file_celle.out.find("velocita 6 in cells 0-24\nvelocita 18 in cells 25-25\nvelocita 0 in cells 26-29\n"),
            std::string::npos);
  EXPECT_NE(dump({cartella.file("x_1.dat"), "--all"}).out.find("cell 24 (1200 m)"), std::string::npos);

  Uscita piano = dump({cartella.file("x_linea.dat")});
  ASSERT_EQ(piano.stato, 0) << piano.err;
  EXPECT_NE(piano.out.find("column x: 1 empty, 2 int16, 1 float64; from 0 to 0.5 m"), std::string::npos);
  EXPECT_NE(piano.out.find("computed metres: 2 to 2"), std::string::npos);
  EXPECT_NE(dump({cartella.file("x_linea.dat"), "--all"}).out.find("metre 2: x 0.5, y 2\nmetre 3: x null, y null"),
            std::string::npos);

  Uscita json = dump({cartella.file("x_1.dat"), "--json"});
  EXPECT_EQ(json.out.rfind("{\"kind\": \"cells\", \"count\": 30, \"cells\": [{\"cell\": 25, ", 0), 0u);
}

TEST(ToolDump, TheScenarioFilesDecodeToTheirOwnBytes) {
  CartellaTemporanea cartella;
  ASSERT_EQ(test::esegui_programma(cartella.percorso()).stato, 0);
  const NomiFile nomi(cartella.percorso(), "MilanoPGen-Alessandria", "2635");
  Testo errore;
  Elementi e{};
  ASSERT_TRUE(decodifica_elementi(cartella.leggi("MilanoPGen-Alessandria_2635.sim"), &e, &errore)) << errore.inglese();
  EXPECT_TRUE(codifica_elementi(e) == cartella.leggi("MilanoPGen-Alessandria_2635.sim"));
  EXPECT_EQ(e[kRigaLinea].dato4, 33135);
  std::vector<Cella> celle;
  ASSERT_TRUE(decodifica_celle(cartella.leggi("MilanoPGen-Alessandria_2635.dat"), &celle, &errore)) << errore.inglese();
  EXPECT_EQ(celle.size(), 1901u);
  EXPECT_TRUE(codifica_celle(celle) == cartella.leggi("MilanoPGen-Alessandria_2635.dat"));
  PuntiTracciato t;
  ASSERT_TRUE(decodifica_tracciato(cartella.leggi("MilanoPGen-Alessandria_linea.dat"), &t, &errore)) << errore.inglese();
  EXPECT_EQ(t.x.size(), 95001u);
  EXPECT_TRUE(codifica_tracciato(t) == cartella.leggi("MilanoPGen-Alessandria_linea.dat"));
  for (const std::string& file : {nomi.tabella(), nomi.celle(), nomi.tracciato()}) {
    EXPECT_EQ(dump({file}).stato, 0) << file;
  }
  // The plan's summary: metres 2 to 94998 computed, the last two empty.
  const Uscita piano = dump({nomi.tracciato()});
  EXPECT_NE(piano.out.find("column x: 2 empty, 2 int16, 94997 float64"), std::string::npos) << piano.out;
  EXPECT_NE(piano.out.find("computed metres: 2 to 94998"), std::string::npos) << piano.out;
}

// A plan of two metres, all 16-bit zeros but metre 1 of column y: a 64-bit
// float of the given bits.
std::string piano_con_y1(uint64_t bit) {
  std::string piano("\x02\x00\x00\x00\x02\x00\x00\x00\x02\x00\x00\x00\x05\x00", 14);
  for (int i = 0; i < 8; ++i) piano.push_back(static_cast<char>(bit >> (8 * i)));
  return piano;
}

// Every metre of a plan longer than the output's buffer, as text and as JSON:
// no line cut or doubled where the buffer is handed on. Column x holds
// 16-bit integers (-3 to 3), column y the halves m + 0.5; the last metre is
// empty.
TEST(ToolDump, EveryMetreOfALongPlan) {
  CartellaTemporanea cartella;
  constexpr int kMetri = 6000;
  std::string x, y, testo, json;
  auto punto = [](std::string* colonna, uint16_t tag, uint64_t bit, int byte) {
    colonna->push_back(static_cast<char>(tag));
    colonna->push_back('\0');
    for (int i = 0; i < byte; ++i) colonna->push_back(static_cast<char>(bit >> (8 * i)));
  };
  for (int m = 0; m < kMetri; ++m) {
    const std::string metro = std::to_string(m);
    if (m == kMetri - 1) {
      punto(&x, 0, 0, 0);
      punto(&y, 0, 0, 0);
      testo += "metre " + metro + ": x null, y null\n";
      json += ", [null, null]";
      continue;
    }
    const int intero = m % 7 - 3;
    double mezzo = m + 0.5;
    uint64_t bit = 0;
    std::memcpy(&bit, &mezzo, sizeof bit);
    punto(&x, 2, static_cast<uint16_t>(intero), 2);
    punto(&y, 5, bit, 8);
    testo += "metre " + metro + ": x " + std::to_string(intero) + ", y " + metro + ".5\n";
    json += (m ? ", [" : "[") + std::to_string(intero) + ", " + metro + ".5]";
  }
  const std::string file = cartella.file("lungo_linea.dat");
  std::ofstream(file, std::ios::binary) << x << y;
  struct Caso {
    Args args;
    std::string da;  // where the metres start
    std::string metri;
  };
  const Caso casi[] = {
      {{file, "--all"}, "metre 0: ", testo},
      {{file, "--all", "--json"}, "\"points\": [", "\"points\": [" + json + "]}\n"},
  };
  for (const Caso& c : casi) {
    const Uscita u = dump(c.args);
    ASSERT_EQ(u.stato, 0) << u.err;
    ASSERT_NE(u.out.find(c.da), std::string::npos) << u.out.substr(0, 400);
    EXPECT_EQ(u.out.substr(u.out.find(c.da)), c.metri) << c.args.back();
  }
}

TEST(ToolDump, RefusesTruncatedAndForeignFiles) {
  CartellaTemporanea cartella;
  const std::string tabella = codifica_elementi(Elementi{});
  struct Caso {
    std::string nome;
    std::string dati;
    Args extra;
    std::string messaggio;
  };
  const std::vector<Caso> casi = {
      {"corta.sim", tabella.substr(0, 100), {}, "is not a table file: offset 68: the file ends inside row 2"},
      {"lunga.sim", tabella + "zz", {}, "offset 2958: 2 bytes after row 86"},
      {"a_1.dat", std::string(16, '\0'), {}, "is not a cells file: offset 15: size 16 is not a multiple of 15"},
      {"a_linea.dat", std::string("\x07\x00", 2), {}, "offset 0: point tag 7"},
      {"immagine.png", "\x89PNG\r\n", {"--kind", "plan"}, "offset 0: point tag 20617"},
      {"vuota.sim", "", {}, "is not a table file: it is empty"},
      {"vuote_1.dat", "", {}, "is not a cells file: it is empty"},
      {"vuoto_linea.dat", "", {}, "is not a plan file: it is empty"},
      // Two metres; metre 1 of column y is a NaN, then an infinity.
      {"nan_linea.dat", piano_con_y1(0x7FF8000000000000), {}, "offset 12: metre 1 of column y holds NaN"},
      {"inf_linea.dat", piano_con_y1(0xFFF0000000000000), {}, "offset 12: metre 1 of column y holds an infinity"},
  };
  for (const Caso& caso : casi) {
    cartella.scrivi(caso.nome, caso.dati);
    Args args = {cartella.file(caso.nome)};
    args.insert(args.end(), caso.extra.begin(), caso.extra.end());
    const Uscita u = dump(args);
    EXPECT_EQ(u.stato, kUscitaDatiNonValidi) << caso.nome;
    EXPECT_NE(u.err.find(caso.messaggio), std::string::npos) << caso.nome << ": " << u.err;
    EXPECT_EQ(u.out, "") << caso.nome;
  }
}

#ifndef _WIN32
// A plan that cannot be read at a position (a pipe) is read whole instead of a
// piece at a time, with the same result; a number in its shortest form.
TEST(ToolDump, APlanThroughAPipe) {
  CartellaTemporanea cartella;
  const std::string tubo = cartella.file("tubo_linea.dat");
  ASSERT_EQ(::mkfifo(tubo.c_str(), 0600), 0);
  // 2.5 is 4004000000000000.
  std::thread scrittore([&tubo] {
    std::ofstream(tubo, std::ios::binary) << piano_con_y1(0x4004000000000000);
  });
  const Uscita u = dump({tubo, "--all"});
  scrittore.join();
  EXPECT_EQ(u.stato, 0) << u.err;
  EXPECT_EQ(u.out,
            "plan: metres 0 to 1\n"
            "column x: 0 empty, 2 int16, 0 float64; from 0 to 0 m\n"
            "column y: 0 empty, 1 int16, 1 float64; from 0 to 2.5 m\n"
            "computed metres: 1 to 1\n"
            "metre 0: x 0, y 0\n"
            "metre 1: x 0, y 2.5\n");
}
#endif

// A file far larger than any the compiler writes is refused before it is
// read: no time, no memory. The file is sparse, so it costs no disk either.
TEST(ToolDump, AHugeFileIsRefusedUnread) {
  CartellaTemporanea cartella;
  // The same refusal of an empty file gives the tool's own footprint (large
  // under the sanitizers, and under Wine larger for dump than for --version);
  // the huge file may add nothing like its 200 MiB to it.
  for (const char* nome : {"enorme.sim", "enorme_1.dat", "enorme_linea.dat"}) {
    SCOPED_TRACE(nome);
    cartella.scrivi(nome, "");
    const std::string file = cartella.file(nome);
    const long partenza_kib = test::esegui_misurando({SCENARIO_TOOL, "dump", file}).picco_kib;
    std::filesystem::resize_file(file, 200u << 20);
    const test::CostoComando costo = test::esegui_misurando({SCENARIO_TOOL, "dump", file});
    EXPECT_EQ(costo.stato, kUscitaDatiNonValidi);
    EXPECT_LT(costo.secondi, test::secondi_di_partenza(SCENARIO_TOOL) + 1.0);
    if (partenza_kib > 0 && costo.picco_kib > 0) {
      EXPECT_LT(costo.picco_kib, partenza_kib + 16 * 1024);
    }
    const Uscita u = dump({file});
    EXPECT_NE(u.err.find("209715200 bytes, more than the largest"), std::string::npos) << u.err;
  }
}

TEST(ToolDump, UsageErrors) {
  EXPECT_EQ(dump({}).stato, kUscitaUso);
  EXPECT_EQ(dump({"file.txt"}).stato, kUscitaUso);  // kind unknown from the name
  EXPECT_EQ(dump({"a.sim", "--bogus"}).stato, kUscitaUso);
  EXPECT_EQ(dump({"/nonexistent/a.sim"}).stato, 3);
  EXPECT_EQ(dump({"--help"}).stato, 0);
}

}  // namespace
}  // namespace scenario::tool
