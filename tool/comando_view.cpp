// view: the compiled files of a scenario as one interactive HTML page.
#include "compilati/scenario_letto.h"
#include "disegno/vista_html.h"
#include "platform/file_system.h"
#include "platform/traduzione.h"
#include "platform/uscita.h"
#include "tool/argomenti.h"
#include "tool/comandi.h"

namespace scenario::tool {

int comando_view(const Args& args, std::ostream& out, std::ostream& err) {
  const Comando& uso = *trova_comando("view");
  Argomenti a;
  if (int stato = prepara_comando(args, uso, &a, out, err); stato >= 0) return stato;
  if (a.posizionali.size() != 1) return errore_uso(traduci("expected one DIR"), uso, err);
  ScenarioLetto letto;
  std::string errore;
  int stato = leggi_scenario(a.posizionali[0], a.valore("--line-name", ""), a.valore("--train-number", ""), &letto,
                             &errore, err);
  if (stato == 0) {
    std::string destinazione = a.valore("-o", "");
    if (destinazione.empty()) {
      destinazione = letto.identita.nome_linea + "_" + letto.identita.numero_treno + ".html";
    }
    const Status s = sostituisci_file(destinazione, pagina_vista(letto.elementi, letto.celle, &letto.tracciato));
    if (!s.ok()) stato = kUscitaFileSystem, errore = nella_lingua(s.testo());
  }
  if (stato != 0) err << "scenario-tool: " << errore << "\n";
  return stato;
}

}  // namespace scenario::tool
