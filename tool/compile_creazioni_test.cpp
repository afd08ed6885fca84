// scenario-tool compile as the destination folder sees it, watched through
// Linux's inotify: only the compiled files and their temporaries appear.
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "model/nomi_file.h"
#include "platform/diario_insieme.h"
#include "tests/cartella_temporanea.h"
#include "tests/documento_scritto.h"
#include "tests/linea_di_prova.h"
#include "tool/comandi.h"
#include "tool/prova_tool.h"

namespace scenario::tool {
namespace {

using test::CartellaTemporanea;
using test::righe;

const NomiFile kNomi("", "MilanoPGen-Alessandria", "2635");

// The names created in `cartella` while `azione` runs, a folder's with a
// trailing "/". Read through inotify, so that a folder made and removed again
// during the run is seen too.
std::vector<std::string> creati_durante(const std::string& cartella, const std::function<void()>& azione) {
  const int fd = ::inotify_init1(IN_NONBLOCK);
  if (fd < 0 || ::inotify_add_watch(fd, cartella.c_str(), IN_CREATE | IN_MOVED_TO) < 0) {
    ADD_FAILURE() << "cannot watch " << cartella;
    return {};
  }
  azione();
  std::vector<std::string> nomi;
  alignas(inotify_event) char buffer[16384];
  for (ssize_t letti; (letti = ::read(fd, buffer, sizeof buffer)) > 0;) {
    for (ssize_t i = 0; i < letti;) {
      const auto* evento = reinterpret_cast<const inotify_event*>(buffer + i);
      if (evento->len > 0) nomi.push_back(std::string(evento->name) + ((evento->mask & IN_ISDIR) != 0 ? "/" : ""));
      i += static_cast<ssize_t>(sizeof(inotify_event) + evento->len);
    }
  }
  ::close(fd);
  return nomi;
}

// Each compiled file is replaced through a temporary file of its own
// (".NAME.scenario-tmp-XXXXXX"), renamed over it, while the set's record
// (".scenario-set-journal", itself written through a temporary file) stands
// beside them; nothing else may appear in the destination, not even for a
// moment, and the record is gone at the end.
TEST(ToolCompile, CreatesNothingInTheFolderButTheCompiledFiles) {
  CartellaTemporanea testi;
  testi.scrivi("l.txt", test::descrizione({}, 10000));
  testi.scrivi("t.txt", righe({"[generale]", "[fine]"}));
  CartellaTemporanea uscita;
  Uscita u{};
  const std::vector<std::string> creati = creati_durante(uscita.percorso(), [&] {
    u = esegui({"compile", testi.file("l.txt"), testi.file("t.txt"), "-o", uscita.percorso(), "--line-name",
                "MilanoPGen-Alessandria", "--train-number", "2635"});
  });
  EXPECT_EQ(u.stato, 0) << u.err;
  const std::set<std::string> attesi = {kNomi.nome_tracciato(), kNomi.nome_tabella(), kNomi.nome_celle()};
  std::set<std::string> finali;
  for (const std::string& nome : creati) {
    const size_t suffisso = nome.find(".scenario-tmp-");
    const bool temporaneo = nome.starts_with(".") && suffisso != std::string::npos;
    const std::string file = temporaneo ? nome.substr(1, suffisso - 1) : nome;
    if (file == kNomeDiario) continue;
    EXPECT_EQ(attesi.count(file), 1u) << nome;
    if (!temporaneo) finali.insert(nome);
  }
  EXPECT_EQ(finali, attesi);
  size_t voci = 0;
  for (const auto& voce : std::filesystem::directory_iterator(uscita.percorso())) {
    EXPECT_EQ(attesi.count(voce.path().filename().string()), 1u) << voce.path();
    ++voci;
  }
  EXPECT_EQ(voci, 3u);
}

}  // namespace
}  // namespace scenario::tool
