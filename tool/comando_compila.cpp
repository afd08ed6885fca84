// compile and check: the compile step on an author's own description pair.
#include "tool/argomenti.h"
#include "tool/comandi.h"
#include "tool/compilazione.h"
#include "tool/rapporto_tool.h"
#include "tool/traduzione.h"

namespace scenario::tool {
namespace {

// A file name part must stay inside the folder it names a file in.
bool nome_valido(const std::string& nome) { return nome.find('/') == std::string::npos && nome.find('\0') == std::string::npos; }

int esegui(const Args& args, std::ostream& out, std::ostream& err, bool conserva) {
  const Comando& uso = *trova_comando(conserva ? "compile" : "check");
  Argomenti a;
  if (int stato = prepara_comando(args, uso, &a, out, err); stato >= 0) {
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
  stampa_guasti(r, err);
  if (a.ha("--json")) out << json_compilazione(r) << "\n";
  return stato_uscita(r);
}

}  // namespace

int comando_compile(const Args& args, std::ostream& out, std::ostream& err) { return esegui(args, out, err, true); }

int comando_check(const Args& args, std::ostream& out, std::ostream& err) { return esegui(args, out, err, false); }

}  // namespace scenario::tool
