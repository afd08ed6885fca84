// compile and check: the compile step on an author's own description pair.
#include "tool/argomenti.h"
#include "tool/comandi.h"
#include "tool/compilazione.h"
#include "tool/rapporto_tool.h"
#include "tool/traduzione.h"

namespace scenario::tool {
namespace {

constexpr const char* kUsoCompile = N_(
    "usage: scenario-tool compile LINE TRAIN [-o DIR] [--line-name NAME] [--train-number NUM] [--no-plan] [--json]\n"
    "  Compiles the line description LINE and the train description TRAIN into the\n"
    "  track-plan, table and cell files in DIR (default: the current folder).\n"
    "  LINE and TRAIN are never changed. NAME and NUM (default MilanoPGen-Alessandria\n"
    "  and 2635) name the files and feed the competition codes; --no-plan writes no\n"
    "  track-plan file. Exit status: 0 clean, 1 compiled with faults, 2 reserved slot\n"
    "  in use (nothing written), 3 file-system failure, 64 usage.\n");

constexpr const char* kUsoCheck = N_(
    "usage: scenario-tool check LINE TRAIN [--line-name NAME] [--train-number NUM] [--no-plan] [--json]\n"
    "  Compiles LINE and TRAIN in a temporary folder, keeps nothing, and prints the\n"
    "  faults and warnings. Exit status as for compile.\n");

// A file name part must stay inside the folder it names a file in.
bool nome_valido(const std::string& nome) { return nome.find('/') == std::string::npos && nome.find('\0') == std::string::npos; }

int esegui(const Args& args, std::ostream& out, std::ostream& err, bool conserva) {
  const char* uso = conserva ? kUsoCompile : kUsoCheck;
  Argomenti a;
  std::set<std::string> con_valore = {"--line-name", "--train-number"};
  if (conserva) con_valore.insert("-o");
  if (int stato = prepara_comando(args, con_valore, {"--no-plan", "--json"}, uso, &a, out, err); stato >= 0) {
    return stato;
  }
  RichiestaCompilazione richiesta;
  richiesta.nome_linea = a.valore("--line-name", richiesta.nome_linea);
  richiesta.numero_treno = a.valore("--train-number", richiesta.numero_treno);
  if (a.posizionali.size() != 2) return errore_uso(traduci("expected LINE and TRAIN"), uso, err);
  if (!nome_valido(richiesta.nome_linea) || !nome_valido(richiesta.numero_treno)) {
    return errore_uso(traduci("NAME and NUM may not contain '/'"), uso, err);
  }
  richiesta.linea = a.posizionali[0];
  richiesta.treno = a.posizionali[1];
  richiesta.tracciato = !a.ha("--no-plan");
  if (conserva) richiesta.destinazione = a.valore("-o", ".");

  const RisultatoCompilazione r = compila(richiesta);
  stampa_guasti(richiesta, r, err);
  if (a.ha("--json")) out << json_compilazione(richiesta, r) << "\n";
  return stato_uscita(r);
}

}  // namespace

int comando_compile(const Args& args, std::ostream& out, std::ostream& err) { return esegui(args, out, err, true); }

int comando_check(const Args& args, std::ostream& out, std::ostream& err) { return esegui(args, out, err, false); }

}  // namespace scenario::tool
