#include "driver/scrittura_file_compilati.h"

#include <string_view>

#include "model/nomi_file.h"
#include "model/stato.h"
#include "platform/file_system.h"

namespace scenario {
namespace {

Status scrivi_tracciato(const std::string& percorso, const Tracciato& tracciato) {
  FileInSostituzione file;
  Status s = file.apri(percorso, dimensione_tracciato(tracciato));
  if (s.ok()) {
    codifica_tracciato_a_pezzi(tracciato, [&](std::string_view pezzo) {
      s = file.scrivi(pezzo);
      return s.ok();
    });
  }
  return s.ok() ? file.chiudi() : s;
}

Status scrivi_tabella_e_celle(const NomiFile& nomi, std::string_view tabella, std::string_view celle) {
  Status s = sostituisci_file(nomi.tabella(), tabella);
  if (!s.ok()) return s;
  return sostituisci_file(nomi.celle(), celle);
}

}  // namespace

Status scrivi_file_compilati(const NomiFile& nomi, const Compilatore& stato) {
  if (stato.genera_tracciato != 0 && stato.tracciato.presente()) {
    Status s = scrivi_tracciato(nomi.tracciato(), stato.tracciato);
    if (!s.ok()) return s;
  }
  return scrivi_tabella_e_celle(nomi, codifica_elementi(stato.elementi), codifica_celle(stato.celle));
}

Status scrivi_file_codificati(const NomiFile& nomi, const FileCodificati& file) {
  if (file.tracciato) {
    Status s = sostituisci_file(nomi.tracciato(), *file.tracciato);
    if (!s.ok()) return s;
  }
  return scrivi_tabella_e_celle(nomi, file.tabella, file.celle);
}

}  // namespace scenario
