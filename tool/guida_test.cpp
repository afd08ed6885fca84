// The authors' guide (docs/descrizioni.md) is checked against the compiler:
// every description block it shows is compiled through the tool and gives
// what the guide says, and every key word the readers accept has a heading.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "readers/vocabolario.h"
#include "tests/blocchi_guida.h"
#include "tests/cartella_temporanea.h"
#include "tool/prova_tool.h"
#include "verifica/tipi_diagnostica.h"

namespace scenario::tool {
namespace {

using test::Blocco;
using test::blocchi_descrizione;
using test::CartellaTemporanea;

std::string leggi_guida() { return leggi_sorgente("docs/descrizioni.md"); }

struct Esito {
  int stato;
  std::vector<std::string> guasti;    // "Errore n. N" of each fault line
  std::vector<std::string> motivi;    // the words of each fault line, before " (Errore n. N"
  std::vector<std::string> avvisi;    // the text after "warning: "
  std::vector<std::string> errori;    // the text after "error: "
  std::string err;
};

Esito controlla(const std::string& linea, const std::string& treno) {
  CartellaTemporanea c;
  c.scrivi("linea.txt", linea);
  c.scrivi("treno.txt", treno);
  const Uscita u = esegui({"check", c.file("linea.txt"), c.file("treno.txt")});
  Esito e{u.stato, {}, {}, {}, {}, u.err};
  std::istringstream righe(e.err);
  std::string riga;
  while (std::getline(righe, riga)) {
    if (const size_t w = riga.find("warning: "); w != std::string::npos) {
      e.avvisi.push_back(riga.substr(w + 9));
    } else if (const size_t x = riga.find(": error: "); x != std::string::npos &&
                                                           riga.find("Errore n. ") == std::string::npos) {
      e.errori.push_back(riga.substr(x + 9));
    } else if (const size_t g = riga.find("Errore n. "); g != std::string::npos) {
      const size_t fine = riga.find_first_not_of("0123456789", g + 10);
      e.guasti.push_back(riga.substr(g + 10, fine - g - 10));
      const size_t m = riga.find(": error: ");
      if (m != std::string::npos && m + 9 + 2 <= g) e.motivi.push_back(riga.substr(m + 9, g - 2 - (m + 9)));
    }
  }
  return e;
}

// A fragment is compiled inside a minimal file: a line fragment after the
// general section of a 10 km line, a train fragment against the guide's first
// whole, unmarked line (its worked example). A line is paired with a train
// that places nothing.
TEST(Guida, EveryDescriptionBlockCompilesAsTheGuideSays) {
  const std::string guida = leggi_guida();
  ASSERT_FALSE(guida.empty());
  const std::vector<Blocco> blocchi = blocchi_descrizione(guida);
  ASSERT_GE(blocchi.size(), 2u);
  std::string linea_esempio;
  for (const Blocco& b : blocchi) {
    if (b.tipo == "linea" && b.segno.empty() && b.testo.find("[generale]") != std::string::npos) {
      linea_esempio = b.testo;
      break;
    }
  }
  ASSERT_FALSE(linea_esempio.empty());
  for (const Blocco& b : blocchi) {
    SCOPED_TRACE("docs/descrizioni.md:" + std::to_string(b.riga) + " " + b.tipo + " " + b.segno);
    const Esito e = b.tipo == "linea" ? controlla(test::linea_di(b), "[generale]\n[fine]\n")
                                      : controlla(linea_esempio, test::treno_di(b));
    if (b.segno.empty()) {
      EXPECT_EQ(e.stato, 0) << e.err;
      EXPECT_EQ(e.err, "");
    } else if (b.segno.rfind("errore=", 0) == 0) {
      EXPECT_EQ(e.stato, 1) << e.err;
      EXPECT_EQ(e.guasti, std::vector<std::string>{b.segno.substr(7)}) << e.err;
      EXPECT_TRUE(e.avvisi.empty()) << e.err;
      // A block followed by "gives" quotes the fault in the words of the check.
      const size_t dopo = guida.find_first_not_of(" \n", b.fine);
      if (dopo != std::string::npos && guida.compare(dopo, 5, "gives") == 0) {
        ASSERT_EQ(e.motivi.size(), 1u) << e.err;
        EXPECT_NE(guida.substr(dopo, 400).find("`" + e.motivi[0] + "`"), std::string::npos) << e.motivi[0];
      }
    } else if (b.segno == "errore") {
      // Errors of the check that are no fault of the program: the first is quoted.
      EXPECT_EQ(e.stato, 1) << e.err;
      EXPECT_TRUE(e.guasti.empty()) << e.err;
      ASSERT_FALSE(e.errori.empty()) << e.err;
      EXPECT_NE(guida.substr(b.fine, 400).find("`" + e.errori[0] + "`"), std::string::npos) << e.errori[0];
    } else {
      ASSERT_EQ(b.segno, "avviso");
      EXPECT_EQ(e.stato, 0) << e.err;
      EXPECT_TRUE(e.guasti.empty()) << e.err;
      ASSERT_EQ(e.avvisi.size(), 1u) << e.err;
      // The guide quotes the warning right after the block.
      EXPECT_NE(guida.substr(b.fine, 400).find("`" + e.avvisi[0] + "`"), std::string::npos) << e.avvisi[0];
    }
  }
}

std::string minuscole(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

// The headings of the part of the guide that starts at the level-2 heading
// `titolo` and runs to the next level-2 heading, in small letters.
std::vector<std::string> titoli_della_parte(const std::string& guida, const std::string& titolo) {
  std::vector<std::string> titoli;
  std::istringstream in(guida);
  std::string riga;
  bool dentro = false;
  while (std::getline(in, riga)) {
    if (riga.rfind("## ", 0) == 0) dentro = riga == "## " + titolo;
    if (dentro && riga.rfind("###", 0) == 0) titoli.push_back(minuscole(riga));
  }
  return titoli;
}

bool ha_titolo(const std::vector<std::string>& titoli, const ParolaChiave& chiave) {
  return std::any_of(titoli.begin(), titoli.end(), [&](const std::string& t) {
    return t.find(chiave.prima) != std::string::npos && t.find(chiave.seconda) != std::string::npos;
  });
}

// Each key of the readers' tables has a heading holding its words in the
// guide's part for its description, so a new key cannot go undocumented.
TEST(Guida, EveryKeyWordHasAHeading) {
  const std::string guida = leggi_guida();
  const std::vector<std::string> linea = titoli_della_parte(guida, "The line description");
  const std::vector<std::string> treno = titoli_della_parte(guida, "The train description");
  ASSERT_FALSE(linea.empty());
  ASSERT_FALSE(treno.empty());
  for (const auto& [titoli, chiavi] : {std::pair{linea, parole_chiave_generali()}, std::pair{linea, parole_chiave_oggetti()},
                                       std::pair{treno, parole_chiave_treno()}}) {
    for (const ParolaChiave& chiave : chiavi) {
      EXPECT_TRUE(ha_titolo(titoli, chiave)) << "no heading for the key \"" << chiave.prima << "\" + \""
                                              << chiave.seconda << "\"";
    }
  }
}

// Each kind of diagnostic the check gives has its row, with its severity, in
// the guide's table of kinds.
TEST(Guida, EveryKindOfDiagnosticHasARow) {
  const std::string guida = leggi_guida();
  for (const TipoDiagnostica& t : tipi_diagnostica()) {
    const std::string riga = "| `" + std::string(t.nome) + "` | " + nome_gravita(t.gravita) + " |";
    EXPECT_NE(guida.find(riga), std::string::npos) << riga;
  }
}

}  // namespace
}  // namespace scenario::tool
