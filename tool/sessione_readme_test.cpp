// The example sessions of the README and of the manual pages are run as
// written, each in a folder of its own holding a copy of examples/ (and of its
// files), and every command must print what the document shows.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/cartella_temporanea.h"
#include "tool/prova_tool.h"

namespace scenario::tool {
namespace {

namespace fs = std::filesystem;

struct Passo {
  std::string comando;
  std::string atteso;  // what the README shows after it
};

std::string leggi(const std::string& percorso) {
  std::ifstream in(percorso, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// The "$ " lines of a session are commands, the lines after each one its
// output; a command ending in a backslash goes on in the next line.
std::vector<Passo> passi_di(const std::string& testo) {
  std::vector<Passo> passi;
  std::istringstream in(testo);
  std::string riga;
  bool continua = false;
  while (std::getline(in, riga)) {
    if (continua) {
      passi.back().comando += "\n" + riga;
    } else if (riga.rfind("$ ", 0) == 0) {
      passi.push_back({riga.substr(2), ""});
    } else if (!passi.empty()) {
      passi.back().atteso += riga + "\n";
      continue;
    }
    continua = !riga.empty() && riga.back() == '\\';
  }
  return passi;
}

// Every ```console block of a Markdown document.
std::vector<std::string> blocchi_markdown(const std::string& testo) {
  std::vector<std::string> blocchi;
  for (size_t inizio = testo.find("```console\n"); inizio != std::string::npos;
       inizio = testo.find("```console\n", inizio)) {
    inizio += 11;
    const size_t fine = testo.find("\n```", inizio - 1);
    blocchi.push_back(testo.substr(inizio, fine + 1 - inizio));
  }
  return blocchi;
}

// Every .EX block of a manual page's section of examples (`titolo`: EXAMPLES,
// or its translation), with roff's escapes for the hyphen and the backslash
// read back.
std::vector<std::string> blocchi_man(const std::string& pagina, const std::string& titolo) {
  std::vector<std::string> blocchi;
  const size_t esempi = pagina.find("\n.SH " + titolo + "\n");
  if (esempi == std::string::npos) return blocchi;
  const size_t fine_sezione = pagina.find("\n.SH ", esempi + 1);
  for (size_t inizio = pagina.find("\n.EX\n", esempi); inizio < fine_sezione;
       inizio = pagina.find("\n.EX\n", inizio)) {
    inizio += 5;
    const size_t fine = pagina.find("\n.EE\n", inizio);
    std::string blocco = pagina.substr(inizio, fine + 1 - inizio);
    for (const auto& [da, a] : {std::pair<std::string, std::string>{"\\-", "-"},
                                {"\\e", "\\"},
                                {"\\(aq", "'"},
                                {"\\(`e", "\u00e8"},
                                {"\\(`a", "\u00e0"}}) {
      for (size_t p = blocco.find(da); p != std::string::npos; p = blocco.find(da, p + a.size())) {
        blocco.replace(p, da.size(), a);
      }
    }
    blocchi.push_back(blocco);
  }
  return blocchi;
}

// Each command runs in one shell, in turn, with both its streams kept and a
// separator line after it; the exit status passes on to the next command.
std::vector<std::string> esegui_sessione(const std::vector<Passo>& passi, const std::string& cartella,
                                         const std::string& lingua) {
  const std::string separatore = "@@ fine del comando @@";
  std::string script = "cd '" + cartella + "' || exit 99\nLC_ALL=C; export LC_ALL\n";
  if (lingua != "C") script += "LANG=" + lingua + "; LANGUAGE=" + lingua + "; unset LC_ALL; export LANG LANGUAGE\n";
  script += "PATH='" +
                       fs::path(SCENARIO_TOOL).parent_path().string() + "':\"$PATH\"\n";
  for (const Passo& p : passi) {
    script += "{ " + p.comando + "\n} 2>&1; s=$?; echo '" + separatore + "'; (exit $s)\n";
  }
  std::ofstream(cartella + "/sessione.sh") << script;
  const std::string uscita = cartella + "/.uscita";
  const std::string comando = "/bin/sh '" + cartella + "/sessione.sh' > '" + uscita + "' 2>&1";
  if (std::system(comando.c_str()) == -1) return {};
  std::vector<std::string> pezzi;
  std::istringstream in(leggi(uscita));
  std::string riga, pezzo;
  while (std::getline(in, riga)) {
    if (riga == separatore) {
      pezzi.push_back(pezzo);
      pezzo.clear();
    } else {
      pezzo += riga + "\n";
    }
  }
  return pezzi;
}

// Runs each session in a fresh folder holding examples/, a copy of its files
// and the program in build/, as a checkout with a build has them; the
// messages in `lingua` ("C": English).
void prova_sessioni(const std::string& documento, const std::vector<std::string>& blocchi,
                    const std::string& lingua = "C") {
  for (size_t b = 0; b < blocchi.size(); ++b) {
    SCOPED_TRACE(documento + ", example " + std::to_string(b + 1));
    const std::vector<Passo> passi = passi_di(blocchi[b]);
    test::CartellaTemporanea c;
    fs::copy(std::string(SCENARIO_SOURCE_DIR) + "/examples", c.file("examples"), fs::copy_options::recursive);
    fs::copy(std::string(SCENARIO_SOURCE_DIR) + "/examples", c.percorso());
    fs::create_directory(c.file("build"));
    fs::copy_file(SCENARIO_PROGRAM, c.file("build/compila_scenario"));
    const std::vector<std::string> uscite = esegui_sessione(passi, c.percorso(), lingua);
    ASSERT_EQ(uscite.size(), passi.size());
    for (size_t i = 0; i < passi.size(); ++i) EXPECT_EQ(uscite[i], passi[i].atteso) << "$ " << passi[i].comando;
  }
}

TEST(SessioneReadme, PrintsWhatTheReadmeShows) {
  const std::vector<std::string> blocchi = blocchi_markdown(leggi_sorgente("README.md"));
  ASSERT_FALSE(blocchi.empty()) << "README.md has no ```console block";
  prova_sessioni("README.md", blocchi);
}

TEST(SessioneReadme, PrintsWhatTheManualPagesShow) {
  for (const std::string pagina : {"docs/man/scenario-tool.1.in", "docs/man/compila_scenario.1.in"}) {
    const std::vector<std::string> blocchi = blocchi_man(leggi_sorgente(pagina), "EXAMPLES");
    EXPECT_FALSE(blocchi.empty()) << pagina << " has no example";
    prova_sessioni(pagina, blocchi);
  }
}

// The Italian page, as the build translates it, shows the same sessions with
// the tool's Italian messages.
TEST(SessioneReadme, PrintsWhatTheItalianManualPageShows) {
  std::ifstream in(SCENARIO_PAGINA_MAN_IT, std::ios::binary);
  std::ostringstream pagina;
  pagina << in.rdbuf();
  const std::vector<std::string> blocchi = blocchi_man(pagina.str(), "ESEMPI");
  ASSERT_FALSE(blocchi.empty()) << SCENARIO_PAGINA_MAN_IT << " has no example";
  prova_sessioni(SCENARIO_PAGINA_MAN_IT, blocchi, "it");
}

}  // namespace
}  // namespace scenario::tool
