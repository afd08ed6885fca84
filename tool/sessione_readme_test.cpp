// The README's example session is run as written, in a folder holding a copy
// of examples/, and every command must print what the README shows.
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

// The first ```console block of the README: "$ " lines are commands, the
// lines after each one its output.
std::vector<Passo> sessione(const std::string& readme) {
  std::vector<Passo> passi;
  const size_t inizio = readme.find("```console\n");
  if (inizio == std::string::npos) return passi;
  std::istringstream in(readme.substr(inizio + 11));
  std::string riga;
  while (std::getline(in, riga) && riga != "```") {
    if (riga.rfind("$ ", 0) == 0) {
      passi.push_back({riga.substr(2), ""});
    } else if (!passi.empty()) {
      passi.back().atteso += riga + "\n";
    }
  }
  return passi;
}

// Each command runs in one shell, in turn, with both its streams kept and a
// separator line after it; the exit status passes on to the next command.
std::vector<std::string> esegui_sessione(const std::vector<Passo>& passi, const std::string& cartella) {
  const std::string separatore = "@@ fine del comando @@";
  std::string script = "cd '" + cartella + "' || exit 99\nLC_ALL=C; export LC_ALL\nPATH='" +
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

TEST(SessioneReadme, PrintsWhatTheReadmeShows) {
  const std::vector<Passo> passi = sessione(leggi_sorgente("README.md"));
  ASSERT_FALSE(passi.empty()) << "README.md has no ```console block";
  test::CartellaTemporanea c;
  fs::copy(std::string(SCENARIO_SOURCE_DIR) + "/examples", c.file("examples"), fs::copy_options::recursive);
  const std::vector<std::string> uscite = esegui_sessione(passi, c.percorso());
  ASSERT_EQ(uscite.size(), passi.size());
  for (size_t i = 0; i < passi.size(); ++i) EXPECT_EQ(uscite[i], passi[i].atteso) << "$ " << passi[i].comando;
}

}  // namespace
}  // namespace scenario::tool
