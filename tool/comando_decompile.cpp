// decompile: the compiled files of a scenario back to a line and a train
// description that compile to the same bytes.
#include <map>
#include <vector>

#include "compilati/lettura_compilati.h"
#include "compilati/scenario_letto.h"
#include "compilati/trova_scenario.h"
#include "decompile/decompila.h"
#include "model/dimensioni.h"
#include "model/file_compilati.h"
#include "model/nomi_file.h"
#include "platform/cartelle.h"
#include "platform/da_tradurre.h"
#include "platform/file_system.h"
#include "platform/sostituzione_insieme.h"
#include "platform/traduzione.h"
#include "platform/uscita.h"
#include "testi/citazione.h"
#include "tool/argomenti.h"
#include "tool/comandi.h"
#include "tool/destinazione.h"
#include "tool/testi_presenti.h"
#include "tool/uso.h"

namespace scenario::tool {
namespace {

// Differences listed for each file before the rest are only counted: past a
// wrong plan metre every later metre differs too.
constexpr size_t kDifferenzeMostrate = 20;

// The values are the files' own 8-bit texts, shown escaped: a name holding
// control bytes neither acts on the terminal nor forges a line of the listing.
void elenca(const std::vector<decompila::Differenza>& differenze, std::ostream& out) {
  std::map<std::string, size_t> per_file;
  for (const decompila::Differenza& d : differenze) {
    if (per_file[d.file]++ >= kDifferenzeMostrate) continue;
    out << "  "
        << componi(traduci("%1, %2, %3: expected %4, got %5"),
                   {percorso_visibile(d.file), d.record, d.campo, testo_visibile(d.atteso), testo_visibile(d.ottenuto)})
        << "\n";
  }
  for (const auto& [file, quante] : per_file) {
    if (quante > kDifferenzeMostrate) {
      out << "  " << componi(traduci("%1: %2 more"), {percorso_visibile(file), std::to_string(quante - kDifferenzeMostrate)})
          << "\n";
    }
  }
}

// Why the files are not a compiled scenario, in the user's language.
std::string rifiuto(const decompila::Decompilazione& d, const NomiFile& nomi) {
  using decompila::Rifiuto;
  switch (d.rifiuto) {
    case Rifiuto::kTabella:
      return componi(traduci("%1 is not a compiled table file: %2"), {nomi.tabella(), nella_lingua(d.perche)});
    case Rifiuto::kCelle:
      return componi(traduci("%1 is not a compiled cell file: %2"), {nomi.celle(), nella_lingua(d.perche)});
    case Rifiuto::kNumeroCelle:
      return componi(traduci("%1 is not a compiled cell file: it holds %2 cells, a compiled line %3 to %4"),
                     {nomi.celle(), nella_lingua(d.perche), std::to_string(dimensioni_linea(0).ultima_cella + 1),
                      std::to_string(dimensioni_linea(kLunghezzaMassima).ultima_cella + 1)});
    case Rifiuto::kTracciato:
      return componi(traduci("%1 is not a compiled track-plan file: %2"), {nomi.tracciato(), nella_lingua(d.perche)});
    case Rifiuto::kNessuno:
      break;
  }
  return d.errore;
}

// The input files, each refused unread when no compile could have written a
// file of its size: the table and the cells whole into `file`, the plan left
// open in `tracciato` to be read a piece at a time (not opened when there is
// none, `*con_tracciato` false then). 0, or the exit status with its message
// on `err`.
int leggi_compilati(const NomiFile& nomi, FileCodificati* file, FileAPezzi* tracciato, bool* con_tracciato,
                    std::ostream& err) {
  struct Da {
    std::string percorso;
    TipoCompilato tipo;
    const char* modello;
    std::string* dati;
  };
  const std::vector<Da> da_leggere = {
      {nomi.tabella(), TipoCompilato::kTabella, N_("%1 is not a compiled table file: %2"), &file->tabella},
      {nomi.celle(), TipoCompilato::kCelle, N_("%1 is not a compiled cell file: %2"), &file->celle},
      {nomi.tracciato(), TipoCompilato::kTracciato, N_("%1 is not a compiled track-plan file: %2"), nullptr}};
  *con_tracciato = file_esiste(nomi.tracciato());
  for (const Da& d : da_leggere) {
    if (d.dati == nullptr && !*con_tracciato) continue;
    const LetturaCompilato lettura =
        d.dati != nullptr ? leggi_compilato(d.percorso, d.tipo, d.dati) : apri_compilato(d.percorso, d.tipo, tracciato);
    if (lettura.esito == LetturaCompilato::Esito::kIlleggibile) {
      err << "scenario-tool: " << nella_lingua(lettura.messaggio) << "\n";
      return kUscitaFileSystem;
    }
    if (lettura.esito == LetturaCompilato::Esito::kNonValido) {
      err << "scenario-tool: " << componi(traduci(d.modello), {d.percorso, nella_lingua(lettura.messaggio)}) << "\n";
      return kUscitaDatiNonValidi;
    }
  }
  return 0;
}

}  // namespace

int comando_decompile(const Args& args, std::ostream& out, std::ostream& err) {
  const Comando& uso = *trova_comando("decompile");
  Argomenti a;
  if (int stato = prepara_comando(args, uso, &a, out, err); stato >= 0) return stato;
  if (a.posizionali.size() != 1) return errore_uso(traduci("expected one DIR"), uso, err);
  const std::string cartella = a.posizionali[0];
  IdentitaScenario id;
  std::string errore;
  if (!scegli_scenario(cartella, a.valore("--line-name", ""), a.valore("--train-number", ""), &id, &errore)) {
    err << "scenario-tool: " << errore << "\n";
    return kUscitaFileSystem;
  }
  const NomiFile nomi(cartella, id.nome_linea, id.numero_treno);
  decompila::Decompilazione d;
  {
    // Read and decompiled under DIR's lock as a reader, the plan a piece at
    // a time; released before the texts are written (DIR may be where they
    // go).
    BloccoCartella lettura;
    if (!blocca_per_leggere(cartella, &lettura, &errore, err)) {
      err << "scenario-tool: " << errore << "\n";
      return kUscitaFileSystem;
    }
    FileCodificati file;
    FileAPezzi file_tracciato;
    bool con_tracciato = false;
    if (int stato = leggi_compilati(nomi, &file, &file_tracciato, &con_tracciato, err); stato != 0) return stato;
    const decompila::TracciatoAPezzi tracciato{
        [&file_tracciato](uint64_t posizione, char* dove, size_t quanti) {
          return file_tracciato.leggi(posizione, dove, quanti);
        },
        file_tracciato.dimensione()};
    d = decompila::decompila(file.tabella, file.celle, con_tracciato ? &tracciato : nullptr, id.nome_linea,
                             id.numero_treno);
    // A plan the system failed to read to its end is no plan to decompile.
    if (!file_tracciato.errore().ok()) {
      err << "scenario-tool: " << nella_lingua(file_tracciato.errore().testo()) << "\n";
      return kUscitaFileSystem;
    }
  }

  if (!d.letta) {
    err << "scenario-tool: " << rifiuto(d, nomi) << "\n";
    return kUscitaDatiNonValidi;
  }
  if (!d.curve_recuperate) {
    err << "scenario-tool: "
        << componi(traduci("warning: curves not recovered: there is no track-plan file (%1); the line description "
                           "has none"),
                   {nomi.tracciato()})
        << "\n";
  }
  if (!d.tracciato_estraneo.empty()) {
    err << "scenario-tool: "
        << componi(traduci("warning: the plan is not one the compiler draws (%1): curves recovered only up to there"),
                   {d.tracciato_estraneo})
        << "\n";
  }

  // The texts go where the user stands, as every other command writes: not
  // into DIR, which is often the folder of the author's own descriptions or
  // of the simulator's.
  const std::string destinazione = a.valore("-o", ".");
  const NomiFile scritti(destinazione, id.nome_linea, id.numero_treno);
  // The output folder is held as any writer holds it, for the check below
  // and the writing: a program run or a compile there waits, and waits for.
  Destinazione uscita;
  if (const Status s = uscita.prepara(
          destinazione, {scritti.nome_descrizione_linea(), scritti.nome_descrizione_treno()}, [&err, &destinazione] {
            err << "scenario-tool: " << componi(traduci("waiting for another run in %1 to finish"), {destinazione})
                << std::endl;
          });
      !s.ok()) {
    err << "scenario-tool: " << nella_lingua(s.testo()) << "\n";
    return kUscitaFileSystem;
  }
  // An author's own text, with its comments, is never lost to a decompile:
  // both names are checked before anything is written.
  if (!a.ha("--force") && testi_gia_presenti({scritti.descrizione_linea(), scritti.descrizione_treno()}, err)) {
    return kUscitaGiaPresente;
  }
  // The two texts are one pair: both new ones, or both earlier ones.
  const Status s = sostituisci_insieme({{scritti.descrizione_linea(), d.linea}, {scritti.descrizione_treno(), d.treno}});
  if (!s.ok()) {
    err << "scenario-tool: " << nella_lingua(s.testo()) << "\n";
    return kUscitaFileSystem;
  }
  uscita.conferma();
  out << componi(traduci("wrote %1 and %2"),
                 {percorso_visibile(scritti.descrizione_linea()), percorso_visibile(scritti.descrizione_treno())})
      << "\n";
  if (d.identica()) {
    out << componi(traduci("they compile to the same bytes as the files in %1"), {cartella}) << "\n";
    return kUscitaPulita;
  }
  out << componi(traduci("they do not compile to the files in %1; the records that differ:"), {cartella}) << "\n";
  elenca(d.differenze, out);
  return kUscitaConGuasti;
}

}  // namespace scenario::tool
