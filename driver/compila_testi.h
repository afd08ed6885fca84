// Compiling a description pair held in memory: the whole compile step without
// the file system. Nothing is read, written or deleted; the caller gets the
// route model and the fault log, and writes or encodes the compiled files
// from the model when the program would write them.
//
//   TestiDaCompilare testi;
//   testi.linea = {"a/line.txt", testo_linea};
//   testi.treno = {"a/train.txt", testo_treno};
//   Compilazione c = compila_testi(testi);
//   if (c.esito.file_scritti) {
//     scrivi_file_compilati(nomi, c.stato);           // the plan piece by piece
//     // or: codifica_file_compilati(c.stato)        // all three in memory
//   }
//   for (const Guasto& g : c.stato.guasti) { /* g.file, g.riga, g.colonna */ }
//
// The program's own run (driver/memorizza_percorso.h) reads the same texts
// from files and applies the same readers and steps, so both give the same
// model and the same bytes for the same texts.
#pragma once

#include <string>
#include <string_view>

#include "driver/esito_compilazione.h"
#include "model/scenario.h"
#include "model/stato.h"
#include "readers/ripresa.h"

namespace scenario {

// A description text and the name that faults and warnings give it.
struct TestoDescrizione {
  std::string nome;
  std::string testo;
};

struct TestiDaCompilare {
  TestoDescrizione linea;
  TestoDescrizione treno;
  // The scenario identity: it feeds the element table and the competition
  // codes.
  std::string nome_linea = std::string(kNomeLinea);
  std::string numero_treno = std::string(kNumeroTreno);
  bool tracciato = true;  // genera_tracciato 1; false: no plan is drawn or encoded
  // When set, receives the record of the entries read and of the entry behind
  // each cell (model/traccia.h); the compile itself is the same either way.
  Traccia* traccia = nullptr;
  // When set, the reading hands it points to be taken up again
  // (readers/ripresa.h).
  Riprese* riprese = nullptr;
  // When set, the compile starts at this point of an earlier reading of texts
  // alike up to it, with the model it holds, instead of from the start. The
  // record given in `traccia` must be the one that reading kept.
  const PuntoLettura* da = nullptr;
};

struct Compilazione {
  Compilatore stato;        // the route model, codice_errore, and the log: guasti, avvertimenti
  // fatale / senza_celle as the program's run would end; file_system stays ok;
  // file_scritti when the program would write the compiled files (a cell
  // array exists and no reserved slot was in use). The files are left to the
  // caller: encoding them here would hold a long line's plan whole.
  EsitoCompilazione esito;
};

// Runs compile steps 1 to 6 on the two texts. The train text is read only
// when the line half lets it, as in the program.
Compilazione compila_testi(const TestiDaCompilare& testi);
// The same on texts the caller holds elsewhere, none of them copied: `linea`
// and `treno` are compiled under the names and settings of `testi`, whose own
// texts are not read.
Compilazione compila_testi(const TestiDaCompilare& testi, std::string_view linea, std::string_view treno);

}  // namespace scenario
