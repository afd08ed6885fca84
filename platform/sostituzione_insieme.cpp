#include "platform/sostituzione_insieme.h"

#include <cerrno>
#include <memory>

#include "platform/diario_insieme.h"
#include "platform/file_system.h"
#include "platform/nomi_temporanei.h"
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

// The set's record, when every file of the set is in one folder (the
// compiled files of a scenario, the texts of a decompile): the folder, with
// its separator, and the entries. Empty entries: no record is kept.
struct Diario {
  std::string cartella;
  std::vector<VoceDiario> voci;
};

Diario diario_di(const std::vector<FileNuovo>& file, const std::vector<std::unique_ptr<FileInSostituzione>>& nuovi,
                 const std::vector<Precedente>& precedenti) {
  Diario d;
  for (size_t i = 0; i < file.size(); ++i) {
    const auto [cartella, bersaglio] = dividi_percorso(file[i].percorso, kSeparatoriCartella);
    const std::string prefisso = cartella == "." ? std::string() : cartella;
    if (i > 0 && prefisso != d.cartella) return {};
    d.cartella = prefisso;
    VoceDiario v{.bersaglio = bersaglio,
                 .nuovo = dividi_percorso(nuovi[i]->temporaneo(), kSeparatoriCartella).second,
                 .copia = {}};
    if (!precedenti[i].copia.empty()) v.copia = dividi_percorso(precedenti[i].copia, kSeparatoriCartella).second;
    d.voci.push_back(std::move(v));
  }
  return d;
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
  // 4. The record of the set written whole, so that a run killed among the
  // renames below is completed by the next one.
  const Diario diario = diario_di(file, nuovi, precedenti);
  const std::string nome_diario = diario.cartella + std::string(kNomeDiario);
  if (!diario.voci.empty()) {
    if (Status s = sostituisci_file(nome_diario, codifica_diario(diario.voci)); !s.ok()) {
      rimuovi_copie();
      return s;
    }
  }
  // 5. The new files in place; on a failure, the earlier ones back.
  passo_insieme(0);
  for (size_t i = 0; i < file.size(); ++i) {
    Status s = nuovi[i]->rinomina();
    passo_insieme(static_cast<int>(i) + 1);
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
    sincronizza_cartella_di(file[0].percorso);
    if (!diario.voci.empty()) rimuovi_nome(nome_diario);
    rimuovi_copie();
    // Nothing added: the failure keeps what it is made of, for translation.
    return messaggio == s.messaggio() ? s : Status::Error(messaggio);
  }
  // 6. The set is whole and, once its folder is synced, durable: the record
  // goes, then the earlier files. A power loss before their removal reaches
  // the disk leaves a record of a set already in place, which the next run
  // finds complete, and copies it removes.
  for (size_t i = 0; i < file.size(); ++i) {
    if (i == 0 || diario.voci.empty()) sincronizza_cartella_di(file[i].percorso);
  }
  if (!diario.voci.empty()) rimuovi_nome(nome_diario);
  rimuovi_copie();
  return Status::Ok();
}

}  // namespace scenario
