#include "driver/scrittura_file_compilati.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/nomi_file.h"
#include "model/stato.h"
#include "platform/file_system.h"

namespace scenario {
namespace {

// The plan is the one large file: its points are computed and encoded a
// piece at a time, each piece written at its place in the file (the y column
// from the offset where x ends), so that the plan is never held whole.
Status scrivi_tracciato(const std::string& percorso, const Tracciato& tracciato) {
  FileInSostituzione file;
  Status s = file.apri(percorso);
  if (s.ok()) {
    codifica_tracciato(tracciato, [&](uint64_t posizione, std::string_view pezzo) {
      s = file.scrivi_in(posizione, pezzo);
      return s.ok();
    });
  }
  return s.ok() ? file.chiudi() : s;
}

// The cells go the same way, a run of them at a time, so that a long line's
// cell file is not held whole beside its cells.
Status scrivi_celle(const std::string& percorso, const std::vector<Cella>& celle) {
  constexpr size_t kCellePerPezzo = 4096;  // 60 KiB a piece
  FileInSostituzione file;
  Status s = file.apri(percorso);
  std::string pezzo;
  pezzo.reserve(kCellePerPezzo * kRecordCella);
  const std::span<const Cella> tutte(celle);
  for (size_t inizio = 0; s.ok() && inizio < tutte.size(); inizio += kCellePerPezzo) {
    pezzo.clear();
    aggiungi_celle(tutte.subspan(inizio, std::min(kCellePerPezzo, tutte.size() - inizio)), &pezzo);
    s = file.scrivi(pezzo);
  }
  return s.ok() ? file.chiudi() : s;
}

}  // namespace

Status scrivi_file_compilati(const NomiFile& nomi, const Compilatore& stato) {
  if (stato.genera_tracciato != 0 && stato.tracciato.presente()) {
    Status s = scrivi_tracciato(nomi.tracciato(), stato.tracciato);
    if (!s.ok()) return s;
  }
  Status s = sostituisci_file(nomi.tabella(), codifica_elementi(stato.elementi));
  if (!s.ok()) return s;
  return scrivi_celle(nomi.celle(), stato.celle);
}

}  // namespace scenario
