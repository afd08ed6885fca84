// Fuzz target: compiled files from anyone (a downloaded scenario) read by the
// tool. The input is split into a table, a cell file and a plan; they are
// written where a compile would put them, each is dumped, the three are drawn
// as a plot and as a view and decompiled, through the commands themselves. A
// command may refuse the files (status 65), never fail otherwise, and a
// refused plot or view leaves no output. What dump (as text) and decompile
// print holds no control byte but the ends of its own lines: the files' texts
// reach the terminal escaped.
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
#include "platform/uscita.h"
#include "testi/windows_1252.h"
#include "tool/argomenti.h"
#include "tool/comandi.h"

namespace {

using namespace scenario;

int esegui(const tool::Args& args, std::string* stampato = nullptr) {
  std::ostringstream out, err;
  const int stato = tool::esegui_tool(args, out, err);
  if (stampato != nullptr) *stampato = out.str() + err.str();
  return stato;
}

// Fails on a byte a terminal would act on: a control byte other than a line's
// end, DEL, a C1 control in UTF-8 form, or a byte that is not UTF-8.
void controlla_terminale(const std::string& comando, const std::string& stampato) {
  for (size_t i = 0; i < stampato.size();) {
    uint32_t c = 0;
    const size_t n = tool::leggi_utf8(stampato, i, &c);
    if (n == 0 || (c < 0x20 && c != '\n') || (c >= 0x7F && c < 0xA0)) {
      fuzz::fallisci(comando + " printed a raw byte at " + std::to_string(i) + ": " + stampato);
    }
    i += n;
  }
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
    std::string stampato;
    controlla_stato("dump " + file, esegui({"dump", file, "--all"}, &stampato));
    controlla_terminale("dump " + file, stampato);
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
  // decompile writes its two texts into the same folder; files that do not
  // come back are listed (status 1), never an error of its own.
  std::string stampato;
  const int stato = esegui({"decompile", cartella, "-o", cartella, "--force"}, &stampato);
  if (stato != kUscitaConGuasti) controlla_stato("decompile", stato);
  controlla_terminale("decompile", stampato);
  fuzz::svuota_cartella();
  return 0;
}
