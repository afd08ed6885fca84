// view: the compiled files of a scenario as one interactive HTML page.
#include "driver/form_load.h"
#include "platform/file_system.h"
#include "tool/argomenti.h"
#include "tool/comandi.h"
#include "tool/scenario_letto.h"
#include "tool/vista_html.h"

namespace scenario::tool {
namespace {

constexpr const char* kUsoView =
    "usage: scenario-tool view DIR [--line-name NAME] [--train-number NUM] [-o FILE.html]\n"
    "  Writes the compiled scenario in DIR as one HTML page (default: NAME_NUM.html\n"
    "  in the current folder) that holds its script, styles and data and loads\n"
    "  nothing else: open it from the file in any browser. The plan and the\n"
    "  profile are linked: zoom with the wheel, the buttons or + and -, pan by\n"
    "  dragging or with the arrow keys, type a km range to show, 0 fits all.\n"
    "  Hovering a mark tells its kind, position in metres and by the kilometre\n"
    "  posts, values, name and time; a cursor in one view shows the same place\n"
    "  in the other. The timetable stands beside the drawing: click a station to\n"
    "  centre both views on it. NAME and NUM name the files to read; when either\n"
    "  is left out, DIR must hold exactly one scenario that fits. Exit status: 0,\n"
    "  3 unreadable, unwritable or no single scenario in DIR, 64 usage, 65 not a\n"
    "  compiled scenario.\n";

}  // namespace

int comando_view(const Args& args, std::ostream& out, std::ostream& err) {
  Argomenti a;
  if (int stato = prepara_comando(args, {"--line-name", "--train-number", "-o"}, {}, kUsoView, &a, out, err);
      stato >= 0) {
    return stato;
  }
  if (a.posizionali.size() != 1) return errore_uso("expected one DIR", kUsoView, err);
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
    if (!s.ok()) stato = kUscitaFileSystem, errore = s.messaggio();
  }
  if (stato != 0) err << "scenario-tool: " << errore << "\n";
  return stato;
}

}  // namespace scenario::tool
