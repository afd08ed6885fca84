#include "platform/sostituzione_insieme.h"

#include <cerrno>
#include <memory>

#include "platform/file_system.h"
#include "platform/primitive_file.h"

namespace scenario {
namespace {

// A target's earlier file, kept under a second name while the set is put in
// place. The name is one of our temporary names, so that a killed run's copy
// is taken by the next run's clean-up.
struct Precedente {
  std::string percorso;  // empty: the target had no earlier file
  std::string copia;
};

// Keeps the earlier file at `bersaglio` under a second, temporary name.
Status conserva(const std::string& bersaglio, Precedente* p) {
  if (Status s = secondo_nome(bersaglio, &p->copia); !s.ok()) return s;
  p->percorso = bersaglio;
  return Status::Ok();
}

}  // namespace

Status sostituisci_insieme(const std::vector<FileNuovo>& file) {
  // 1. Every target must be a regular file or nothing. A symbolic link is
  // refused rather than replaced by a file (its target left as it was) or
  // written through (a file elsewhere replaced).
  for (const FileNuovo& f : file) {
    switch (tipo_voce(f.percorso)) {
      case TipoVoce::assente:
      case TipoVoce::file:
        break;
      case TipoVoce::cartella:
        return errore_sistema(N_("cannot replace %1: %2"), f.percorso, EISDIR);
      case TipoVoce::collegamento:
        return Status::Error(Testo{
            N_("cannot replace %1: it is a symbolic link; remove it, or write into the folder it points to"),
            {f.percorso}});
      case TipoVoce::altro:
        return Status::Error(Testo{N_("cannot replace %1: it is not a regular file"), {f.percorso}});
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
      if (!p.copia.empty()) rimuovi_nome(p.copia);
    }
  };
  for (size_t i = 0; i < file.size(); ++i) {
    if (tipo_voce(file[i].percorso) == TipoVoce::assente) continue;
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
        rimuovi_nome(file[j].percorso);
      } else if (rinomina_sopra(p.copia, p.percorso)) {
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
