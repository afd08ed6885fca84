// Fuzz target: the train reader, any bytes as the train description, read
// after the scenario's own line description as the reading stage does; both
// from memory.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "content/documenti.h"
#include "content/lista_righe.h"
#include "fuzz/banco.h"
#include "readers/linea_lettore.h"
#include "readers/treno_lettore.h"

namespace {

using namespace scenario;

struct LineaLetta {
  Compilatore stato;
  bool treno_segue = false;  // what the line half answered: the train half runs
};

// The scenario's line, read once per process; every input starts from a copy.
const LineaLetta& linea_scenario() {
  static const LineaLetta letta = [] {
    LineaLetta l{fuzz::stato_nuovo(), false};
    l.treno_segue = leggi_testo_linea(l.stato, "linea.txt", ListaRighe(righe_linea()).testo());
    if (!l.treno_segue) {
      std::fprintf(stderr, "fuzz: the scenario's line description ends the reading stage (code %d); "
                   "the train reader is not run\n", static_cast<int>(l.stato.codice_errore));
    }
    return l;
  }();
  return letta;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
  const LineaLetta& linea = linea_scenario();
  if (!linea.treno_segue) return 0;
  // One state for the whole process: assigning the copy into it reuses its
  // storage, so an input costs a copy of the cells and the plan, not a new
  // reading of the line.
  static Compilatore stato;
  stato = linea.stato;
  leggi_testo_treno(stato, "treno.txt", std::string(fuzz::come_testo(dati, dimensione)));
  fuzz::controlla_modello(stato);
  return 0;
}
