// view: the compiled files of a scenario as one interactive HTML page; with
// --watch, an author's description pair served live, the page made anew on
// every save of either file.
#include <iostream>

#include "compilati/scenario_letto.h"
#include "disegno/vista_html.h"
#include "model/nomi_file.h"
#include "platform/file_system.h"
#include "platform/traduzione.h"
#include "platform/uscita.h"
#include "servizio/servizio_vivo.h"
#include "tool/argomenti.h"
#include "tool/comandi.h"
#include "tool/vista_viva.h"

namespace scenario::tool {
namespace {

constexpr const char* kEditorPredefinito = "vscode://file/{file}:{line}";

int guarda(const Argomenti& a, const Comando& uso, std::ostream& out, std::ostream& err) {
  if (a.posizionali.size() != 2) return errore_uso(traduci("--watch expects LINE and TRAIN"), uso, err);
  if (a.valori.count("-o")) return errore_uso(traduci("--watch serves the page and writes none: leave out -o"), uso, err);
  VistaViva vista;
  RichiestaVerifica& r = vista.richiesta;
  r.linea.nome = a.posizionali[0];
  r.treno.nome = a.posizionali[1];
  const std::optional<IdentitaScenario> dai_file = identita_da_descrizioni(r.linea.nome, r.treno.nome);
  r.nome_linea = a.valore("--line-name", dai_file ? dai_file->nome_linea : std::string(kNomeLinea));
  r.numero_treno = a.valore("--train-number", dai_file ? dai_file->numero_treno : std::string(kNumeroTreno));
  r.recupera = true;
  const std::string editor = a.valore("--editor", kEditorPredefinito);
  vista.editor = editor == "none" ? "" : editor;
  servizio::ServizioVivo servizio;
  servizio.sorvegliati = {r.linea.nome, r.treno.nome};
  servizio.pagina = [&vista](uint64_t versione) { return vista.pagina(versione); };
  servizio.rifatta = [&err](uint64_t versione) {
    if (versione > 1) err << componi(traduci("scenario-tool: changed, page version %1"), {std::to_string(versione)}) << std::endl;
  };
  const int stato = servizio::servi(servizio, out, err);
  if (stato == kUscitaPulita) err << traduci("scenario-tool: stopped") << "\n";
  return stato;
}

}  // namespace

int comando_view(const Args& args, std::ostream& out, std::ostream& err) {
  const Comando& uso = *trova_comando("view");
  Argomenti a;
  if (int stato = prepara_comando(args, uso, &a, out, err); stato >= 0) return stato;
  if (a.ha("--watch")) return guarda(a, uso, out, err);
  if (a.valori.count("--editor")) return errore_uso(traduci("--editor goes with --watch"), uso, err);
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
    const Percorso percorso = leggi_percorso(letto.elementi, letto.celle, letto.tracciato());
    // A plan that could not be read to its end is reported, not drawn in part.
    Status s = letto.errore_tracciato();
    if (s.ok()) s = sostituisci_file(destinazione, pagina_vista(percorso));
    if (!s.ok()) stato = kUscitaFileSystem, errore = nella_lingua(s.testo());
  }
  if (stato != 0) err << "scenario-tool: " << errore << "\n";
  return stato;
}

}  // namespace scenario::tool
