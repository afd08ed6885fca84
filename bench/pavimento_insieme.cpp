// The floor of `scenario-tool compile`: puts down given files in a folder
// through the same all-or-nothing set replacement the tool's compile uses,
// each file streamed in 64 KiB pieces from a copy of the bytes, and computes
// nothing. What compile costs above this is the cost of compiling.
//
//     pavimento_insieme DEST FILE...
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "model/nomi_file.h"
#include "platform/file_system.h"
#include "platform/sostituzione_insieme.h"

namespace scenario::bench {
namespace {

// Copies the open source into the temporary file a piece at a time, as
// compile writes its plan and cells.
Status copia(int sorgente, FileInSostituzione& file) {
  static char pezzo[64 * 1024];
  for (;;) {
    const ssize_t letti = read(sorgente, pezzo, sizeof pezzo);
    if (letti < 0) return Status::Error("cannot read a source file");
    if (letti == 0) return Status::Ok();
    const Status s = file.scrivi(std::string_view(pezzo, static_cast<size_t>(letti)));
    if (!s.ok()) return s;
  }
}

std::string nome_di(const std::string& percorso) {
  const size_t barra = percorso.rfind('/');
  return barra == std::string::npos ? percorso : percorso.substr(barra + 1);
}

}  // namespace
}  // namespace scenario::bench

int main(int argc, char** argv) {
  using namespace scenario;
  if (argc < 3) {
    std::fprintf(stderr, "usage: pavimento_insieme DEST FILE...\n");
    return 64;
  }
  std::vector<int> sorgenti;
  std::vector<FileNuovo> insieme;
  for (int i = 2; i < argc; ++i) {
    const int fd = open(argv[i], O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
      std::perror(argv[i]);
      return 3;
    }
    sorgenti.push_back(fd);
    insieme.push_back({unisci_percorso(argv[1], bench::nome_di(argv[i])), {},
                       [fd](FileInSostituzione& f) { return bench::copia(fd, f); }});
  }
  const Status s = sostituisci_insieme(insieme);
  for (const int fd : sorgenti) close(fd);
  if (!s.ok()) {
    std::fprintf(stderr, "%s\n", s.messaggio().c_str());
    return 3;
  }
  return 0;
}
