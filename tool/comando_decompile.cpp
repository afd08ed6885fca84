// decompile: the compiled files of a scenario back to a line and a train
// description that compile to the same bytes.
#include <filesystem>
#include <map>

#include "decompile/decompila.h"
#include "driver/form_load.h"
#include "driver/nomi_file.h"
#include "platform/file_system.h"
#include "tool/argomenti.h"
#include "tool/comandi.h"
#include "tool/trova_scenario.h"
#include "tool/uso.h"

namespace scenario::tool {
namespace {

// Differences listed for each file before the rest are only counted: past a
// wrong plan metre every later metre differs too.
constexpr size_t kDifferenzeMostrate = 20;

void elenca(const std::vector<decompila::Differenza>& differenze, std::ostream& out) {
  std::map<std::string, size_t> per_file;
  for (const decompila::Differenza& d : differenze) {
    if (per_file[d.file]++ >= kDifferenzeMostrate) continue;
    out << "  " << d.file << ", " << d.record << ", " << d.campo << ": expected " << d.atteso << ", got "
        << d.ottenuto << "\n";
  }
  for (const auto& [file, quante] : per_file) {
    if (quante > kDifferenzeMostrate) out << "  " << file << ": " << quante - kDifferenzeMostrate << " more\n";
  }
}

// The input files; false with the exit status when one cannot be read.
int leggi_compilati(const NomiFile& nomi, decompila::FileCompilati* file, std::ostream& err) {
  Status s = leggi_file(nomi.tabella(), &file->tabella);
  if (s.ok()) s = leggi_file(nomi.celle(), &file->celle);
  if (s.ok() && file_esiste(nomi.tracciato())) {
    file->tracciato.emplace();
    s = leggi_file(nomi.tracciato(), &*file->tracciato);
  }
  if (s.ok()) return 0;
  err << "scenario-tool: " << s.messaggio() << "\n";
  return kUscitaFileSystem;
}

}  // namespace

int comando_decompile(const Args& args, std::ostream& out, std::ostream& err) {
  const Comando& uso = *trova_comando("decompile");
  Argomenti a;
  if (int stato = prepara_comando(args, uso, &a, out, err); stato >= 0) return stato;
  if (a.posizionali.size() != 1) return errore_uso("expected one DIR", uso, err);
  const std::string cartella = a.posizionali[0];
  IdentitaScenario id;
  std::string errore;
  if (!scegli_scenario(cartella, a.valore("--line-name", ""), a.valore("--train-number", ""), &id, &errore)) {
    err << "scenario-tool: " << errore << "\n";
    return kUscitaDatiNonValidi;
  }
  const NomiFile nomi(cartella, id.nome_linea, id.numero_treno);
  decompila::FileCompilati file;
  if (int stato = leggi_compilati(nomi, &file, err); stato != 0) return stato;

  const decompila::Decompilazione d = decompila::decompila(file, id.nome_linea, id.numero_treno);
  if (!d.letta) {
    err << "scenario-tool: " << d.errore << "\n";
    return kUscitaDatiNonValidi;
  }
  for (const std::string& avviso : d.avvisi) err << "scenario-tool: warning: " << avviso << "\n";

  const std::string destinazione = a.valore("-o", cartella);
  std::error_code ec;
  std::filesystem::create_directories(destinazione, ec);
  const NomiFile scritti(destinazione, id.nome_linea, id.numero_treno);
  Status s = sostituisci_file(scritti.descrizione_linea(), d.linea);
  if (s.ok()) s = sostituisci_file(scritti.descrizione_treno(), d.treno);
  if (!s.ok()) {
    err << "scenario-tool: " << s.messaggio() << "\n";
    return kUscitaFileSystem;
  }
  out << "wrote " << scritti.descrizione_linea() << " and " << scritti.descrizione_treno() << "\n";
  if (d.identica()) {
    out << "they compile to the same bytes as the files in " << cartella << "\n";
    return kUscitaPulita;
  }
  out << "they do not compile to the files in " << cartella << "; the records that differ:\n";
  elenca(d.differenze, out);
  return kUscitaConGuasti;
}

}  // namespace scenario::tool
