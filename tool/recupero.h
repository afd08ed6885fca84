// Every fault of a description pair in one check. The readers stop at the
// first fault, as the program does, and what a compile writes depends on that.
// To report the faults after it, the check recovers the way a compiler does:
// it records the fault, drops the entry that holds it and reads the pair
// again; the reading then goes past that entry to the next fault. A run of the
// compile step is deterministic, so the run with the entry dropped reads
// everything before it exactly as the first run did.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "model/stato.h"

namespace scenario::tool {

// One compile of the pair as given: the faults it recorded, in order, their
// file being `nome_linea` or `nome_treno` when they lie in a description.
using CompilaProva = std::function<std::vector<Guasto>(const std::string& linea, const std::string& treno)>;

struct EsitoRecupero {
  std::vector<Guasto> guasti;  // every fault, in the order found
  std::string linea, treno;    // the texts of the last run, the dropped entries blanked
  size_t prove = 0;            // runs of the compile step
  bool al_limite = false;      // stopped by the limit of runs with faults still to find
};

// Whether a fault lies in one entry that can be dropped to read on. Faults of
// the layout pass and of the whole pair (the kilometre-post check) belong to
// no entry; a pair without a usable line length or "[generale]" cannot be
// read on at all.
bool guasto_di_una_voce(const Guasto& g);

// Runs the compile until a run meets no fault of an entry (or the limit of
// runs is reached): each run's first such fault is recorded and its line
// blanked in a copy of its text. The faults of the last run that belong to no
// entry close the list.
EsitoRecupero recupera(std::string linea, std::string treno, const std::string& nome_linea,
                       const std::string& nome_treno, const CompilaProva& compila, size_t massimo_prove);

}  // namespace scenario::tool
