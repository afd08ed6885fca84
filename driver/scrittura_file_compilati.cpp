#include "driver/scrittura_file_compilati.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/nomi_file.h"
#include "model/stato.h"
#include "platform/file_system.h"
#include "platform/sostituzione_insieme.h"

namespace scenario {
namespace {

// The plan is the one large file: its points are computed and encoded a
// piece at a time, each piece written at its place in the file (the y column
// from the offset where x ends), so that the plan is never held whole.
Status scrivi_tracciato(FileInSostituzione& file, const Tracciato& tracciato) {
  Status s;
  codifica_tracciato(tracciato, [&](uint64_t posizione, std::string_view pezzo) {
    s = file.scrivi_in(posizione, pezzo);
    return s.ok();
  });
  return s;
}

// The cells go the same way, a run of them at a time, so that a long line's
// cell file is not held whole beside its cells.
Status scrivi_celle(FileInSostituzione& file, const std::vector<Cella>& celle) {
  constexpr size_t kCellePerPezzo = 4096;  // 60 KiB a piece
  std::string pezzo;
  pezzo.reserve(kCellePerPezzo * kRecordCella);
  const std::span<const Cella> tutte(celle);
  Status s;
  for (size_t inizio = 0; s.ok() && inizio < tutte.size(); inizio += kCellePerPezzo) {
    pezzo.clear();
    aggiungi_celle(tutte.subspan(inizio, std::min(kCellePerPezzo, tutte.size() - inizio)), &pezzo);
    s = file.scrivi(pezzo);
  }
  return s;
}

Status sostituisci_con(const std::string& percorso, const std::function<Status(FileInSostituzione&)>& scrittore) {
  FileInSostituzione file;
  Status s = file.apri(percorso);
  if (s.ok()) s = scrittore(file);
  return s.ok() ? file.chiudi() : s;
}

bool con_tracciato(const Compilatore& stato) { return stato.genera_tracciato != 0 && stato.tracciato.presente(); }

}  // namespace

Status scrivi_file_compilati(const NomiFile& nomi, const Compilatore& stato) {
  if (con_tracciato(stato)) {
    Status s = sostituisci_con(nomi.tracciato(), [&](FileInSostituzione& f) { return scrivi_tracciato(f, stato.tracciato); });
    if (!s.ok()) return s;
  }
  Status s = sostituisci_file(nomi.tabella(), codifica_elementi(stato.elementi));
  if (!s.ok()) return s;
  return sostituisci_con(nomi.celle(), [&](FileInSostituzione& f) { return scrivi_celle(f, stato.celle); });
}

Status sostituisci_file_compilati(const NomiFile& nomi, const Compilatore& stato, std::vector<std::string>* scritti) {
  const std::string tabella = codifica_elementi(stato.elementi);
  std::vector<FileNuovo> insieme;
  if (con_tracciato(stato)) {
    insieme.push_back({nomi.tracciato(), {}, [&](FileInSostituzione& f) { return scrivi_tracciato(f, stato.tracciato); }});
  }
  insieme.push_back({nomi.tabella(), tabella});
  insieme.push_back({nomi.celle(), {}, [&](FileInSostituzione& f) { return scrivi_celle(f, stato.celle); }});
  Status s = sostituisci_insieme(insieme);
  if (s.ok() && scritti != nullptr) {
    for (const FileNuovo& f : insieme) scritti->push_back(f.percorso);
  }
  return s;
}

}  // namespace scenario
