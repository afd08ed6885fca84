#include "compilati/scenario_letto.h"

#include "compilati/lettura_compilati.h"
#include "compilati/trova_scenario.h"
#include "model/decodifica_file.h"
#include "model/dimensioni.h"
#include "model/flusso_tracciato.h"
#include "model/nomi_file.h"
#include "platform/blocco_cartella.h"
#include "platform/cartelle.h"
#include "platform/diario_insieme.h"
#include "platform/file_system.h"
#include "platform/traduzione.h"
#include "platform/uscita.h"
#include "testi/citazione.h"

namespace scenario::tool {
namespace {

// A failure, with the exit status it ends the command with.
struct Esito {
  int stato = 0;
  std::string messaggio;
};

// `modello` names the file as %1 (shown escaped: its name may come from the
// folder's entries) and the reason as %2 and on.
Esito non_valido(const char* modello, std::vector<std::string> valori) {
  valori[0] = percorso_visibile(valori[0]);
  return {kUscitaDatiNonValidi, componi(traduci(modello), valori)};
}

// The bytes of a compiled file, refused unread when no compile could have
// written a file of its size; `modello` as for non_valido.
Esito leggi(const std::string& file, TipoCompilato tipo, const char* modello, std::string* dati) {
  const LetturaCompilato lettura = leggi_compilato(file, tipo, dati);
  if (lettura.esito == LetturaCompilato::Esito::kIlleggibile) return {kUscitaFileSystem, nella_lingua(lettura.messaggio)};
  if (lettura.esito == LetturaCompilato::Esito::kNonValido) return non_valido(modello, {file, nella_lingua(lettura.messaggio)});
  return {};
}

// The table and the cells, which every picture needs, checked to belong together.
Esito leggi_tabella_e_celle(const NomiFile& nomi, Elementi* elementi, std::vector<Cella>* celle) {
  std::string dati;
  Testo errore;
  if (Esito e = leggi(nomi.tabella(), TipoCompilato::kTabella, N_("%1 is not a compiled table file: %2"), &dati);
      e.stato != 0) {
    return e;
  }
  if (!decodifica_elementi(dati, elementi, &errore)) {
    return non_valido(N_("%1 is not a compiled table file: %2"), {nomi.tabella(), nella_lingua(errore)});
  }
  if (Esito e = leggi(nomi.celle(), TipoCompilato::kCelle, N_("%1 is not a compiled cell file: %2"), &dati);
      e.stato != 0) {
    return e;
  }
  if (!decodifica_celle(dati, celle, &errore)) {
    return non_valido(N_("%1 is not a compiled cell file: %2"), {nomi.celle(), nella_lingua(errore)});
  }
  const int32_t lunghezza = (*elementi)[kRigaValoriCorsa].dato2;
  if (lunghezza < 0 || lunghezza > kLunghezzaMassima) {
    return non_valido(N_("%1 is not a compiled table file: line length %2 m"),
                      {nomi.tabella(), std::to_string(lunghezza)});
  }
  const size_t attese = static_cast<size_t>(dimensioni_linea(lunghezza).ultima_cella) + 1;
  if (celle->size() != attese) {
    return non_valido(N_("%1 is not a compiled cell file of this table: it holds %2 cells, the line length of %3 m "
                         "gives %4"),
                      {nomi.celle(), std::to_string(celle->size()), std::to_string(lunghezza), std::to_string(attese)});
  }
  return {};
}

// The plan when the folder has one, its shape checked and the file left open
// in `file`. A plan of another length (left from an earlier compile of a
// longer or shorter line) is set aside with a warning: drawing it would put
// the stations and signals in the wrong places.
Esito apri_tracciato(const NomiFile& nomi, int32_t lunghezza, FileAPezzi* file, FormaTracciato* forma,
                     std::ostream& err) {
  if (!qualcosa_a(nomi.tracciato())) return {};
  Testo errore;
  const LetturaCompilato lettura = apri_compilato(nomi.tracciato(), TipoCompilato::kTracciato, file);
  if (lettura.esito == LetturaCompilato::Esito::kIlleggibile) return {kUscitaFileSystem, nella_lingua(lettura.messaggio)};
  FormaTracciato letta;
  const bool ok = lettura.ok() && esamina_tracciato(
                                      [file](uint64_t posizione, char* dove, size_t quanti) {
                                        return file->leggi(posizione, dove, quanti);
                                      },
                                      file->dimensione(), &letta, &errore);
  if (!file->errore().ok()) return {kUscitaFileSystem, nella_lingua(file->errore().testo())};
  if (!ok) {
    return non_valido(N_("%1 is not a compiled track-plan file: %2"),
                      {nomi.tracciato(), nella_lingua(lettura.ok() ? errore : lettura.messaggio)});
  }
  const size_t attese = static_cast<size_t>(dimensioni_linea(lunghezza).lunghezza_tracciato) + 1;
  if (letta.righe != attese) {
    err << "scenario-tool: "
        << componi(traduci("warning: %1 holds %2 metres, the line length of %3 m gives %4; drawing the profile alone"),
                   {percorso_visibile(nomi.tracciato()), std::to_string(letta.righe), std::to_string(lunghezza),
                    std::to_string(attese)})
        << "\n";
    return {};
  }
  *forma = letta;
  return {};
}

}  // namespace

bool blocca_per_leggere(const std::string& cartella, BloccoCartella* blocco, std::string* errore, std::ostream& err) {
  // A compile or a program run replacing the set is waited for, so the three
  // files are of one run.
  if (const Status s = blocco->prendi(
          cartella,
          [&err, &cartella] {
            err << "scenario-tool: " << componi(traduci("waiting for another run in %1 to finish"), {cartella})
                << std::endl;
          },
          /*condiviso=*/true);
      !s.ok()) {
    *errore = nella_lingua(s.testo());
    return false;
  }
  // A set whose replacement a killed run left unfinished may mix two runs'
  // files: the next writer completes it; until then it is not read.
  if (file_esiste(unisci_percorso(cartella, std::string(kNomeDiario)))) {
    *errore = componi(traduci("the files in %1 are of a replacement that was interrupted; the next compile into the "
                              "folder (or run of the program there) completes it"),
                      {cartella});
    return false;
  }
  return true;
}

int leggi_scenario(const std::string& cartella, const std::string& nome_linea, const std::string& numero_treno,
                   ScenarioLetto* scenario, std::string* errore, std::ostream& err) {
  if (!scegli_scenario(cartella, nome_linea, numero_treno, &scenario->identita, errore)) return kUscitaFileSystem;
  if (!blocca_per_leggere(cartella, &scenario->blocco, errore, err)) return kUscitaFileSystem;
  const NomiFile nomi(cartella, scenario->identita.nome_linea, scenario->identita.numero_treno);
  Esito e = leggi_tabella_e_celle(nomi, &scenario->elementi, &scenario->celle);
  if (e.stato == 0) {
    e = apri_tracciato(nomi, scenario->elementi[kRigaValoriCorsa].dato2, &scenario->file_tracciato,
                       &scenario->forma_tracciato, err);
  }
  *errore = e.messaggio;
  return e.stato;
}

PianoAPassi ScenarioLetto::tracciato() {
  PianoAPassi piano;
  piano.righe = forma_tracciato.righe;
  piano.scorri = [this](const VisitaMetro& visita) {
    scorri_tracciato(
        [this](uint64_t posizione, char* dove, size_t quanti) { return file_tracciato.leggi(posizione, dove, quanti); },
        forma_tracciato, visita);
  };
  return piano;
}

}  // namespace scenario::tool
