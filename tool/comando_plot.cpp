// plot: the compiled files of a scenario drawn as one SVG picture.
#include "driver/form_load.h"
#include "platform/file_system.h"
#include "tool/argomenti.h"
#include "tool/comandi.h"
#include "tool/disegno.h"
#include "tool/scenario_letto.h"

namespace scenario::tool {
namespace {

constexpr const char* kUsoPlot =
    "usage: scenario-tool plot DIR [--line-name NAME] [--train-number NUM] -o FILE.svg\n"
    "  Draws the compiled scenario in DIR as one SVG picture. The plan: the track\n"
    "  seen from above, north up, equal scales, the frame fitted to the line;\n"
    "  kilometre ticks by the kilometre posts, curves, start, end and direction\n"
    "  of travel, signals, and stations labelled clear of each other and of the\n"
    "  track; the margin after the end grey and dashed. The profile, from the\n"
    "  start to the end of the line: station names and times (stops and\n"
    "  non-stops apart), the speed limit with its values, slowdowns, signals\n"
    "  with their kind, speed indicators, signposts, the gradient in per mille,\n"
    "  curves, mountain sections and the kilometre posts; then a legend.\n"
    "  Without a track-plan file the picture has the profile alone. NAME and NUM\n"
    "  name the files to read; when either is left out, DIR must hold exactly\n"
    "  one scenario that fits. Exit status: 0, 3 unreadable, unwritable or no\n"
    "  single scenario in DIR, 64 usage, 65 not a compiled scenario.\n";

}  // namespace

int comando_plot(const Args& args, std::ostream& out, std::ostream& err) {
  Argomenti a;
  if (int stato = prepara_comando(args, {"--line-name", "--train-number", "-o"}, {}, kUsoPlot, &a, out, err);
      stato >= 0) {
    return stato;
  }
  const std::string destinazione = a.valore("-o", "");
  if (a.posizionali.size() != 1) return errore_uso("expected one DIR", kUsoPlot, err);
  if (destinazione.empty()) return errore_uso("-o FILE.svg is required", kUsoPlot, err);
  ScenarioLetto letto;
  std::string errore;
  int stato = leggi_scenario(a.posizionali[0], a.valore("--line-name", ""), a.valore("--train-number", ""), &letto,
                             &errore, err);
  if (stato == 0) {
    const Status s = sostituisci_file(destinazione, disegna_percorso(letto.elementi, letto.celle, &letto.tracciato));
    if (!s.ok()) stato = kUscitaFileSystem, errore = s.messaggio();
  }
  if (stato != 0) err << "scenario-tool: " << errore << "\n";
  return stato;
}

}  // namespace scenario::tool
