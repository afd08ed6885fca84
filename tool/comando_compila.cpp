// compile and check: the compile step on an author's own description pair.
// Both report the pair's diagnostics; check reads on past each fault to report
// them all, compile reports the first, as the program has it, and writes the
// compiled files only when the pair has no error (or with --force).
#include <optional>

#include "driver/esito_compilazione.h"
#include "driver/scrittura_file_compilati.h"
#include "model/nomi_file.h"
#include "platform/da_tradurre.h"
#include "platform/file_system.h"
#include "platform/traduzione.h"
#include "platform/uscita.h"
#include "testi/json.h"
#include "testi/testo.h"
#include "tool/argomenti.h"
#include "tool/comandi.h"
#include "tool/destinazione.h"
#include "tool/lettura_descrizione.h"
#include "verifica/verifica.h"

namespace scenario::tool {
namespace {

// A file name part must stay inside the folder it names a file in.
bool nome_valido(const std::string& nome) { return nome.find('/') == std::string::npos && nome.find('\0') == std::string::npos; }

std::string json(const EsitoVerifica& v, const std::vector<std::string>& file) {
  const Compilatore& stato = v.esatta.stato;
  Json j = Json::object();
  j["codice_errore"] = stato.codice_errore;
  j["posizione_errore"] = stato.posizione_errore;
  j["fatal"] = v.esatta.esito.fatale != 0 ? Json(v.esatta.esito.fatale) : Json(nullptr);
  json_diagnostiche(v.diagnostiche, &j);
  j["files"] = Json::array();
  for (const std::string& f : file) j["files"].push_back(utf8(f));
  return scrivi_json(j);
}

// The scenario identity: given, or read from the files' names. A compile
// never falls back to the program's own scenario, whose files a faulty pair
// would otherwise replace by accident; a check writes nothing and may.
std::optional<std::string> identita(const Argomenti& a, bool conserva, RichiestaVerifica* r) {
  // An empty name given is a mistake of its own, not a name left out.
  for (const char* opzione : {"--line-name", "--train-number"}) {
    if (a.valori.count(opzione) != 0 && a.valore(opzione, "").empty()) {
      return componi(traduci("%1 is empty: give a name"), {opzione});
    }
  }
  const std::optional<IdentitaScenario> dai_file = identita_da_descrizioni(a.posizionali[0], a.posizionali[1]);
  r->nome_linea = a.valore("--line-name", dai_file ? dai_file->nome_linea : "");
  r->numero_treno = a.valore("--train-number", dai_file ? dai_file->numero_treno : "");
  if (r->nome_linea.empty() || r->numero_treno.empty()) {
    if (conserva) {
      return traduci("LINE and TRAIN are not named NAME_linea.txt and NAME_NUM-.txt: give --line-name and "
                     "--train-number");
    }
    if (r->nome_linea.empty()) r->nome_linea = std::string(kNomeLinea);
    if (r->numero_treno.empty()) r->numero_treno = std::string(kNumeroTreno);
  }
  if (!nome_valido(r->nome_linea) || !nome_valido(r->numero_treno)) return traduci("NAME and NUM may not contain '/'");
  return std::nullopt;
}

int esegui(const Args& args, std::ostream& out, std::ostream& err, bool conserva) {
  const Comando& uso = *trova_comando(conserva ? "compile" : "check");
  Argomenti a;
  if (int stato = prepara_comando(args, uso, &a, out, err); stato >= 0) return stato;
  if (a.posizionali.size() != 2) return errore_uso(traduci("expected LINE and TRAIN"), uso, err);
  RichiestaVerifica richiesta;
  if (const std::optional<std::string> errore = identita(a, conserva, &richiesta)) return errore_uso(*errore, uso, err);
  richiesta.linea.nome = a.posizionali[0];
  richiesta.treno.nome = a.posizionali[1];
  richiesta.tracciato = !a.ha("--no-plan");
  richiesta.severo = a.ha("--strict");
  richiesta.recupera = !conserva;
  // The texts first: a refused one leaves no folder behind.
  for (TestoDescrizione* t : {&richiesta.linea, &richiesta.treno}) {
    std::string errore;
    if (int stato = leggi_descrizione(t->nome, &t->testo, &errore); stato != 0) {
      err << errore << "\n";
      return stato;
    }
  }
  // The destination is locked for the whole compile; made for it, it goes
  // again when nothing is written into it.
  Destinazione destinazione;
  const std::string cartella = a.valore("-o", ".");
  if (conserva) {
    const Status s = destinazione.prepara(
        cartella, NomiFile("", richiesta.nome_linea, richiesta.numero_treno).nomi_compilati(richiesta.tracciato), [&err, &cartella] {
      err << "scenario-tool: " << componi(traduci("waiting for another run in %1 to finish"), {cartella}) << std::endl;
    });
    if (!s.ok()) {
      err << "scenario-tool: " << nella_lingua(s.testo()) << "\n";
      return kUscitaFileSystem;
    }
  }

  const EsitoVerifica v = verifica(richiesta);
  stampa_diagnostiche(v.diagnostiche, err);
  if (v.recupero_al_limite) err << traduci("scenario-tool: stopped looking for faults; there may be more") << "\n";

  int stato = scenario::stato_uscita(v.esatta.esito, v.esatta.stato.codice_errore);
  if (stato == kUscitaPulita && v.diagnostiche.errori() > 0) stato = kUscitaConGuasti;
  std::vector<std::string> scritti;
  if (conserva && !v.esatta.esito.file_scritti) err << "scenario-tool: " << traduci("nothing written") << "\n";
  if (conserva && v.esatta.esito.file_scritti) {
    // The compile stops at the first error, as the program does: how many
    // more there are is check's to say.
    if (v.diagnostiche.errori() > 0 && !a.ha("--force")) {
      err << traduci("scenario-tool: nothing written: the pair has errors, and 'scenario-tool check' lists them all "
                     "(--force writes what the program would)")
          << "\n";
    } else if (const Status s = sostituisci_file_compilati(
                   NomiFile(cartella, richiesta.nome_linea, richiesta.numero_treno), v.esatta.stato, &scritti);
               !s.ok()) {
      err << "scenario-tool: " << nella_lingua(s.testo()) << "\n";
      stato = kUscitaFileSystem;
    } else {
      destinazione.conferma();
      for (const std::string& file : scritti) out << componi(traduci("wrote %1"), {file}) << "\n";
    }
  }
  if (!conserva && v.diagnostiche.errori() == 0) out << v.riepilogo << "\n";
  if (a.ha("--json")) out << json(v, scritti) << "\n";
  return stato;
}

}  // namespace

int comando_compile(const Args& args, std::ostream& out, std::ostream& err) { return esegui(args, out, err, true); }

int comando_check(const Args& args, std::ostream& out, std::ostream& err) { return esegui(args, out, err, false); }

}  // namespace scenario::tool
