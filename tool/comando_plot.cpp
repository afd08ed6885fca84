// plot: the compiled files of a scenario drawn as one SVG picture.
#include "compilati/scenario_letto.h"
#include "disegno/disegno.h"
#include "platform/file_system.h"
#include "platform/traduzione.h"
#include "platform/uscita.h"
#include "tool/argomenti.h"
#include "tool/comandi.h"

namespace scenario::tool {

int comando_plot(const Args& args, std::ostream& out, std::ostream& err) {
  const Comando& uso = *trova_comando("plot");
  Argomenti a;
  if (int stato = prepara_comando(args, uso, &a, out, err); stato >= 0) {
    return stato;
  }
  const std::string destinazione = a.valore("-o", "");
  if (a.posizionali.size() != 1) return errore_uso(traduci("expected one DIR"), uso, err);
  if (destinazione.empty()) return errore_uso(traduci("-o FILE.svg is required"), uso, err);
  ScenarioLetto letto;
  std::string errore;
  int stato = leggi_scenario(a.posizionali[0], a.valore("--line-name", ""), a.valore("--train-number", ""), &letto,
                             &errore, err);
  if (stato == 0) {
    const Percorso percorso = leggi_percorso(letto.elementi, letto.celle, letto.tracciato());
    // A plan that could not be read to its end is reported, not drawn in part.
    Status s = letto.errore_tracciato();
    if (s.ok()) s = sostituisci_file(destinazione, disegna_percorso(percorso));
    if (!s.ok()) stato = kUscitaFileSystem, errore = nella_lingua(s.testo());
  }
  if (stato != 0) err << "scenario-tool: " << errore << "\n";
  return stato;
}

}  // namespace scenario::tool
