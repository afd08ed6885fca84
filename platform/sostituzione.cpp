// Whole-file replacement made of the steps each system implements.
#include "platform/file_system.h"

namespace scenario {

Status FileInSostituzione::chiudi() {
  Status s = completa();
  return s.ok() ? rinomina() : s;
}

Status sostituisci_file(const std::string& percorso, std::string_view contenuto) {
  FileInSostituzione file;
  Status s = file.apri(percorso);
  if (s.ok()) s = file.scrivi(contenuto);
  if (s.ok()) s = file.chiudi();
  return s;
}

}  // namespace scenario
