// example: the scenario's own description pair, written for an author to start
// from.
#include "content/documenti.h"
#include "content/lista_righe.h"
#include "model/nomi_file.h"
#include "model/scenario.h"
#include "platform/cartelle.h"
#include "platform/file_system.h"
#include "platform/traduzione.h"
#include "platform/uscita.h"
#include "tool/argomenti.h"
#include "tool/comandi.h"
#include "tool/testi_presenti.h"

namespace scenario::tool {

int comando_example(const Args& args, std::ostream& out, std::ostream& err) {
  const Comando& uso = *trova_comando("example");
  Argomenti a;
  if (int stato = prepara_comando(args, uso, &a, out, err); stato >= 0) return stato;
  if (!a.posizionali.empty()) return errore_uso(traduci("example takes no argument"), uso, err);
  const std::string cartella = a.valore("-o", ".");
  std::vector<std::string> fatte;
  if (const Status s = crea_cartelle(cartella, &fatte); !s.ok()) {
    err << "scenario-tool: " << nella_lingua(s.testo()) << "\n";
    return kUscitaFileSystem;
  }
  // The same tables the program writes its descriptions from, with the same
  // line ends: the texts are the program's own, byte for byte.
  const NomiFile nomi(cartella, std::string(kNomeLinea), std::string(kNumeroTreno));
  const std::pair<std::string, std::string> testi[] = {
      {nomi.descrizione_linea(), ListaRighe(righe_linea()).testo()},
      {nomi.descrizione_treno(), ListaRighe(righe_treno()).testo()},
  };
  // An author's edited copy must not be lost to a second run: both names are
  // checked before either text is written.
  if (!a.ha("--force") && testi_gia_presenti({testi[0].first, testi[1].first}, err)) return kUscitaGiaPresente;
  for (const auto& [percorso, testo] : testi) {
    if (const Status s = sostituisci_file(percorso, testo); !s.ok()) {
      err << "scenario-tool: " << nella_lingua(s.testo()) << "\n";
      return kUscitaFileSystem;
    }
    out << percorso << "\n";
  }
  return 0;
}

}  // namespace scenario::tool
