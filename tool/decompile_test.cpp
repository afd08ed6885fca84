#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "content/documenti.h"
#include "content/lista_righe.h"
#include "decompile/compila_testi.h"
#include "model/decodifica_file.h"
#include "model/file_compilati.h"
#include "tests/cartella_temporanea.h"
#include "tool/comandi.h"

namespace scenario::tool {
namespace {

using test::CartellaTemporanea;

struct Uscita {
  int stato;
  std::string out, err;
};

Uscita decompile(const Args& args) {
  std::ostringstream out, err;
  Args tutti = {"decompile"};
  tutti.insert(tutti.end(), args.begin(), args.end());
  const int stato = esegui_tool(tutti, out, err);
  return {stato, out.str(), err.str()};
}

constexpr const char* kTabella = "MilanoPGen-Alessandria_2635.sim";
constexpr const char* kCelle = "MilanoPGen-Alessandria_2635.dat";
constexpr const char* kTracciato = "MilanoPGen-Alessandria_linea.dat";
constexpr const char* kLineaTxt = "MilanoPGen-Alessandria_linea.txt";
constexpr const char* kTrenoTxt = "MilanoPGen-Alessandria_2635-.txt";

// The compiled files of two texts, put into `cartella` as the program names them.
decompila::Compilati compila_in(const CartellaTemporanea& cartella, const std::string& linea,
                                const std::string& treno, bool con_tracciato) {
  decompila::Compilati c = decompila::compila_testi(linea, treno, "MilanoPGen-Alessandria", "2635", con_tracciato);
  EXPECT_TRUE(c.prodotti) << c.perche;
  cartella.scrivi(kTabella, c.file.tabella);
  cartella.scrivi(kCelle, c.file.celle);
  if (con_tracciato) cartella.scrivi(kTracciato, c.file.tracciato.value_or(""));
  return c;
}

constexpr const char* kTrenoVuoto = "[generale]\r\n[fine]\r\n";

// Files that no description compiles to: from descriptions with a fault, or
// changed by something else. The texts are written all the same, and the
// records that differ are listed.
TEST(ToolDecompile, FilesThatDoNotComeBackListTheRecordsThatDiffer) {
  struct Caso {
    const char* nome;
    const char* linea;
    bool riga_0_toccata;  // the table's row 0 given a type, as no compile does
    const char* differenza;
  };
  const Caso casi[] = {
      {.nome = "a signpost on a taken cell stops the line half before the plan's straight tail",
       .linea = "[generale]\r\nlunghezza percorso,  3000\r\n[indicazioni]\r\n"
                "cartello_indicatore,  1000,  A\r\ncartello_indicatore,  1000,  B\r\n[fine]\r\n",
       .riga_0_toccata = false,
       .differenza = "  MilanoPGen-Alessandria_linea.dat, metre 2, y: expected empty, got 2 (bits 4000000000000000)\n"},
      {.nome = "row 0 of the table, which every compile leaves cleared",
       .linea = "[generale]\r\nlunghezza percorso,  3000\r\n[fine]\r\n",
       .riga_0_toccata = true,
       .differenza = "  MilanoPGen-Alessandria_2635.sim, row 0, tipo: expected 7, got 0\n"},
  };
  for (const Caso& caso : casi) {
    SCOPED_TRACE(caso.nome);
    CartellaTemporanea cartella;
    decompila::Compilati c = compila_in(cartella, caso.linea, kTrenoVuoto, true);
    if (caso.riga_0_toccata) {
      c.file.tabella[0] = 7;
      cartella.scrivi(kTabella, c.file.tabella);
    }
    const Uscita u = decompile({cartella.percorso()});
    EXPECT_EQ(u.stato, 1) << u.err;
    EXPECT_NE(u.out.find("they do not compile to the files in"), std::string::npos) << u.out;
    EXPECT_NE(u.out.find(caso.differenza), std::string::npos) << u.out;
    EXPECT_TRUE(cartella.esiste(kLineaTxt));
    EXPECT_TRUE(cartella.esiste(kTrenoTxt));
  }
}

TEST(ToolDecompile, WithoutAPlanTheCurvesAreNotRecovered) {
  CartellaTemporanea cartella, uscita;
  compila_in(cartella, ListaRighe(righe_linea()).testo(), ListaRighe(righe_treno()).testo(), false);
  const Uscita u = decompile({cartella.percorso(), "-o", uscita.percorso()});
  EXPECT_EQ(u.stato, 0) << u.out << u.err;
  EXPECT_NE(u.err.find("warning: curves not recovered: there is no track-plan file"), std::string::npos) << u.err;
  EXPECT_NE(u.out.find("they compile to the same bytes"), std::string::npos) << u.out;
  const std::string linea = uscita.leggi(kLineaTxt);
  EXPECT_NE(linea.find("[curve]\r\n- curves not recovered"), std::string::npos) << linea;
  EXPECT_EQ(linea.find("\r\ncurva"), std::string::npos) << linea;
  // Everything else came back: the scenario's 61 signposts, for one.
  EXPECT_NE(linea.find("cartello_indicatore,  84600,     (Fiume )(TANARO)\r\n"), std::string::npos) << linea;
}

// Nothing is written for what is not a compiled scenario: a folder without
// one ends with status 3, as for plot, files that are not compiled files 65.
TEST(ToolDecompile, WhatIsNotACompiledScenarioIsRefused) {
  struct Caso {
    const char* nome;
    const char* tabella;  // nullptr: no table file; "": the table of a clean compile
    size_t celle;         // cells in the cell file, all zeros
    const char* messaggio;
  };
  const Caso casi[] = {
      {.nome = "no table file", .tabella = nullptr, .celle = 0, .messaggio = "no compiled scenario"},
      {.nome = "a table of 3 bytes",
       .tabella = "abc",
       .celle = 141,
       .messaggio = "MilanoPGen-Alessandria_2635.sim is not a compiled table file"},
      {.nome = "3 cells, fewer than any line has",
       .tabella = "",
       .celle = 3,
       .messaggio = "is not a compiled cell file: it holds 3 cells, a compiled line 141 to 20141"},
      {.nome = "an empty cell file",
       .tabella = "",
       .celle = 0,
       .messaggio = "MilanoPGen-Alessandria_2635.dat is not a compiled cell file: it is empty"},
  };
  for (const Caso& caso : casi) {
    SCOPED_TRACE(caso.nome);
    CartellaTemporanea cartella;
    if (caso.tabella != nullptr) {
      const std::string tabella =
          *caso.tabella != '\0' ? std::string(caso.tabella)
                                 : decompila::compila_testi("[generale]\r\nlunghezza percorso,  0\r\n[fine]\r\n",
                                                            kTrenoVuoto, "MilanoPGen-Alessandria", "2635", false)
                                       .file.tabella;
      cartella.scrivi(kTabella, tabella);
      cartella.scrivi(kCelle, std::string(15 * caso.celle, '\0'));
    }
    const Uscita u = decompile({cartella.percorso()});
    EXPECT_EQ(u.stato, caso.tabella == nullptr ? 3 : 65);
    EXPECT_NE(u.err.find(caso.messaggio), std::string::npos) << u.err;
    EXPECT_FALSE(cartella.esiste(kLineaTxt));
  }
}

}  // namespace
}  // namespace scenario::tool
