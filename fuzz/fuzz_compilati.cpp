// Fuzz target: compiled files from anyone (a downloaded scenario) read by the
// tool. The input is split into a table, a cell file and a plan; they are
// written where a compile would put them, each is dumped, and the three are
// drawn as a plot and as a view, through the commands themselves. A command
// may refuse the files (status 65), never fail otherwise, and a refused plot or
// view leaves no output.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <utility>

#include <unistd.h>

#include "fuzz/banco.h"
#include "model/nomi_file.h"
#include "model/scenario.h"
#include "platform/file_system.h"
#include "tool/argomenti.h"
#include "tool/comandi.h"

namespace {

using namespace scenario;

int esegui(const tool::Args& args) {
  std::ostringstream out, err;
  return tool::esegui_tool(args, out, err);
}

void controlla_stato(const std::string& comando, int stato) {
  if (stato != 0 && stato != kUscitaDatiNonValidi) {
    fuzz::fallisci(comando + " ended with status " + std::to_string(stato));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
  const fuzz::FileCompilati f = fuzz::dividi_compilati(dati, dimensione);
  const std::string& cartella = fuzz::cartella_privata();
  const NomiFile nomi(cartella, std::string(kNomeLinea), std::string(kNumeroTreno));
  fuzz::scrivi_testo(nomi.tabella(), f.tabella);
  fuzz::scrivi_testo(nomi.celle(), f.celle);
  // No plan bytes: a scenario compiled without its plan.
  if (!f.tracciato.empty()) fuzz::scrivi_testo(nomi.tracciato(), f.tracciato);

  for (const std::string& file : {nomi.tabella(), nomi.celle(), nomi.tracciato()}) {
    if (!file_esiste(file)) continue;
    controlla_stato("dump " + file, esegui({"dump", file, "--all"}));
    controlla_stato("dump --json " + file, esegui({"dump", file, "--json"}));
  }

  for (const auto& [comando, uscita] : {std::pair{"plot", "/disegno.svg"}, std::pair{"view", "/vista.html"}}) {
    const std::string file = cartella + uscita;
    const int stato = esegui({comando, cartella, "-o", file});
    controlla_stato(comando, stato);
    if ((stato == 0) != file_esiste(file)) {
      fuzz::fallisci(std::string(comando) + " ended with " + std::to_string(stato) + " and its output " +
                     (stato == 0 ? "missing" : "written"));
    }
    ::unlink(file.c_str());
  }
  fuzz::svuota_cartella();
  return 0;
}
