// The compiler state: scenario identity, route model, compile status and the
// run's log of faults and warnings. Every stage works on one such object.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/modello.h"
#include "model/traccia.h"
#include "platform/status.h"

namespace scenario {

// One fault recorded during a run, with where it was met. The model keeps only
// the last code and position; the log keeps them all, for the report.
struct Guasto {
  int32_t codice = 0;
  std::optional<int32_t> posizione;  // metres, for the codes that have one
  std::string file;                  // description text being read, or "" (layout pass)
  int riga = 0;                      // line of that text, 0 when none
  int colonna = 0;                   // column (from 1, in bytes) of the field on that line, 0 when none
  std::string motivo;                // the system's reason, when the text itself could not be read
};

// A fact that changes nothing in the output but that an author wants to know.
// `testo` is the English text, as the program prints it; `modello` and
// `valori` are what it is made of, for the tool to show it in another language.
struct Avvertimento {
  std::string testo;
  std::string file;
  int riga = 0;
  bool anche_nel_programma = false;  // the program prints it too, not only the tool
  std::string_view modello;          // a text marked with N_, with %1, %2, ... for the values
  std::vector<std::string> valori;
  int colonna = 0;
  std::string_view tipo;             // the kind (model/tipi_avviso.h), the same for every warning of it
};

// Warnings of one kind in one file past the first kAvvertimentiPerTipo, only
// counted: a long text of one repeated mistake would otherwise keep a record
// per line, many times the size of the text.
struct AvvertimentiTaciuti {
  std::string file;
  std::string_view tipo;
  size_t quante = 0;
};
inline constexpr size_t kAvvertimentiPerTipo = 100;

struct Compilatore {
  // Scenario identity.
  std::string nome_linea;
  std::string numero_treno;
  int32_t genera_tracciato = 0;

  // Route model.
  Elementi elementi{};
  std::vector<Cella> celle;  // empty until the line length is read
  Tracciato tracciato;
  int32_t lunghezza_tracciato = 0;
  int32_t ultima_cella = -1;
  int32_t prossimo_cartello = kPrimoCartello;
  int32_t n_montagne = 0;
  std::array<int32_t, kMaxMontagne + 1> montagne_inizio{};
  std::array<int32_t, kMaxMontagne + 1> montagne_fine{};

  // Compile status.
  int32_t codice_errore = 0;
  int32_t posizione_errore = 0;

  // Run log and the reading context that faults are attributed to.
  std::vector<Guasto> guasti;
  std::vector<Avvertimento> avvertimenti;
  std::vector<AvvertimentiTaciuti> avvertimenti_taciuti;
  std::map<std::pair<std::string, std::string_view>, size_t> avvertimenti_per_tipo;
  // The line of the last unknown-key warning: the further fields of that
  // line, its entry's values read as keys, are not told again.
  int riga_ultima_chiave_ignota = 0;
  std::string file_ultima_chiave_ignota;
  std::string file_corrente;
  int riga_corrente = 0;
  int colonna_corrente = 0;
  Status errore_file_system;  // set when a file operation failed
  // The name the line description was read under: a fault found later in
  // its data (the check of the kilometre-post systems) names that text.
  std::string file_linea;
  // A record of the entries read and of the entry behind each cell, kept only
  // when a check asks for one (it changes nothing else).
  Traccia* traccia = nullptr;

  bool ha_celle() const { return !celle.empty(); }
  // Whether the reading stage left a cell 1: the reserved slots live there, so
  // without it there is nothing to stamp and nothing to write.
  bool ha_cella_uno() const { return ha_celle() && ultima_cella >= 1; }

  // Compile steps 1 and 2: the option set, a clean status and log, the route
  // model emptied (what an earlier compile left is dropped) and the element
  // table reset, with the scenario identity in its rows.
  void azzera(int32_t genera);

  // Records a fault without a position: posizione_errore keeps its value.
  void registra(int32_t codice);
  // Records a fault with its position in metres.
  void registra(int32_t codice, int32_t posizione);
  // Records a fault against a description text as a whole (no line): it is
  // missing, or cannot be read for the system's reason `motivo`.
  void registra_su_file(int32_t codice, const std::string& file, std::string motivo = {});
  // Records a layout-pass fault: no description line, the cell's position.
  void registra_cella(int32_t codice, int32_t posizione);
  // Sets posizione_errore for the code already recorded (a placement routine
  // records the code, its caller the entry's position).
  void posiziona(int32_t posizione);
  // Records a warning: `modello` (marked with N_) with its values filled in.
  void avverti(std::string_view tipo, std::string_view modello, std::vector<std::string> valori,
               bool anche_nel_programma = false);
  // With a record kept: the entry being read put the object of cell i there,
  // or found cell i busy.
  void posa(int64_t i) {
    if (traccia != nullptr) traccia->posa(i);
  }
  void trova_occupata(int64_t i) {
    if (traccia != nullptr) traccia->cella_occupata = i;
  }
};

}  // namespace scenario
