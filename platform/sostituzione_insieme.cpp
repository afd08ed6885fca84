#include "platform/sostituzione_insieme.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>

#include "platform/file_system.h"

namespace scenario {
namespace {

// A target's earlier file, kept under a second name while the set is put in
// place. The name is one of our temporary names, so that a killed run's copy
// is taken by the next run's clean-up.
struct Precedente {
  std::string percorso;  // empty: the target had no earlier file
  std::string copia;
};

// Links the earlier file at `bersaglio` to a fresh temporary name beside it.
Status conserva(const std::string& bersaglio, Precedente* p) {
  const size_t barra = bersaglio.rfind('/');
  const std::string cartella = barra == std::string::npos ? std::string() : bersaglio.substr(0, barra + 1);
  const std::string nome = barra == std::string::npos ? bersaglio : bersaglio.substr(barra + 1);
  std::string modello = cartella + "." + nome + ".scenario-tmp-XXXXXX";
  // mkstemp picks a free name; the link then takes the name over.
  const int fd = ::mkstemp(modello.data());
  if (fd < 0) return errore_sistema(N_("cannot keep the earlier %1: %2"), bersaglio, errno);
  ::close(fd);
  ::unlink(modello.c_str());
  if (::link(bersaglio.c_str(), modello.c_str()) != 0) return errore_sistema(N_("cannot keep the earlier %1: %2"), bersaglio, errno);
  p->percorso = bersaglio;
  p->copia = modello;
  return Status::Ok();
}

}  // namespace

Status sostituisci_insieme(const std::vector<FileNuovo>& file) {
  // 1. Every target must be a regular file or nothing.
  for (const FileNuovo& f : file) {
    struct stat info {};
    if (::lstat(f.percorso.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
      return errore_sistema(N_("cannot replace %1: %2"), f.percorso, S_ISDIR(info.st_mode) ? EISDIR : EEXIST);
    }
  }
  // 2. Every new file written whole beside its target.
  std::vector<std::unique_ptr<FileInSostituzione>> nuovi;
  for (const FileNuovo& f : file) {
    nuovi.push_back(std::make_unique<FileInSostituzione>());
    FileInSostituzione& n = *nuovi.back();
    Status s = n.apri(f.percorso);
    if (s.ok()) s = f.scrittore ? f.scrittore(n) : n.scrivi(f.contenuto);
    if (s.ok()) s = n.completa();
    if (!s.ok()) return s;  // the destructors remove the temporary files
  }
  // 3. The earlier files kept under a second name.
  std::vector<Precedente> precedenti(file.size());
  auto rimuovi_copie = [&precedenti] {
    for (const Precedente& p : precedenti) {
      if (!p.copia.empty()) ::unlink(p.copia.c_str());
    }
  };
  for (size_t i = 0; i < file.size(); ++i) {
    if (::access(file[i].percorso.c_str(), F_OK) != 0) continue;
    if (Status s = conserva(file[i].percorso, &precedenti[i]); !s.ok()) {
      rimuovi_copie();
      return s;
    }
  }
  // 4. The new files in place; on a failure, the earlier ones back.
  for (size_t i = 0; i < file.size(); ++i) {
    Status s = nuovi[i]->rinomina();
    if (s.ok()) continue;
    std::string messaggio = s.messaggio();
    for (size_t j = 0; j < i; ++j) {
      Precedente& p = precedenti[j];
      if (p.copia.empty()) {
        ::unlink(file[j].percorso.c_str());
      } else if (::rename(p.copia.c_str(), p.percorso.c_str()) == 0) {
        p.copia.clear();
      } else {
        // Never removed: it is the only earlier file left.
        messaggio += "; the earlier " + p.percorso + " is kept as " + p.copia;
        p.copia.clear();
      }
    }
    rimuovi_copie();
    // Nothing added: the failure keeps what it is made of, for translation.
    return messaggio == s.messaggio() ? s : Status::Error(messaggio);
  }
  rimuovi_copie();
  return Status::Ok();
}

}  // namespace scenario
