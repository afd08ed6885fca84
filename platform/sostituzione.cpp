// Whole-file replacement made of the steps each system implements.
#include "platform/file_system.h"
#include "platform/primitive_file.h"

namespace scenario {

Status FileInSostituzione::chiudi() {
  Status s = completa();
  if (s.ok()) s = rinomina();
  // The rename itself made durable.
  if (s.ok()) sincronizza_cartella_di(percorso_);
  return s;
}

Status sostituisci_file(const std::string& percorso, std::string_view contenuto) {
  FileInSostituzione file;
  Status s = file.apri(percorso);
  if (s.ok()) s = file.scrivi(contenuto);
  if (s.ok()) s = file.chiudi();
  return s;
}

}  // namespace scenario
