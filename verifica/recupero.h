// Every fault of a description pair in one check. The readers stop at the
// first fault, as the program does, and what a compile writes depends on that.
// To report the faults after it, the check recovers the way a compiler does:
// it records the fault, blanks the line of the entry that holds it and reads
// the pair again; the reading then goes past that entry to the next fault. A
// run of the compile step is deterministic, so the run with the entry blanked
// reads everything before it exactly as the run before did: it need not read
// it again, and may take up the reading of that run at a point before the
// blanked line (readers/ripresa.h).
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/stato.h"
#include "verifica/diagnostiche.h"

namespace scenario::tool {

// What one compile of the pair gave: the faults it recorded, in order, their
// file being `nome_linea` or `nome_treno` when they lie in a description;
// each fault told as a diagnostic, while the run's model is at hand; and the
// run's other diagnostics (warnings, notes, values lost without a fault).
struct Prova {
  std::vector<Guasto> guasti;
  // The line of the entry that holds each fault, in the same order: the
  // fault's own line, or the line of its key when the entry's values ran on
  // into later lines (0: the fault's own line).
  std::vector<int> righe_voce;
  std::vector<Diagnostica> spiegazioni;  // one per fault, in the same order
  std::vector<Diagnostica> altre;
  // Of a kind with many in one file only the first are built; the rest are
  // counted here, by file and kind.
  struct Oltre {
    std::string file;
    std::string tipo;
    Gravita gravita;
    size_t quante;
  };
  std::vector<Oltre> oltre;
  // When set, builds `altre` and `oltre` (which are then left empty by the
  // run): they are built only for the run whose diagnostics are kept, as
  // finding them costs a pass over everything the run read.
  std::function<void(Prova&)> completa;
  // The byte of the pair (the line, then the train) the run's reading
  // started at: 0 from the start, more when it took up an earlier reading.
  size_t letto_da = 0;
};

// Where the texts of a run first differ from those of the run before it: byte
// `offset` of the line (or of the train). Nothing before it changed.
struct Cambio {
  bool treno = false;
  size_t offset = 0;
};
// One run of the compile step on the texts; `cambio` is null for the first.
using CompilaProva = std::function<Prova(std::string_view linea, std::string_view treno, const Cambio* cambio)>;

struct EsitoRecupero {
  // The fault of each run that recorded one in an entry, then every
  // diagnostic of the last run, which read the most.
  std::vector<Diagnostica> diagnostiche;
  std::vector<Prova::Oltre> oltre;  // the last run's diagnostics only counted
  // The texts of the last run with the dropped entries' lines blanked (their
  // bytes made spaces, so that every other byte keeps its offset); empty for
  // a text of which no entry was dropped (the run read the caller's).
  std::string linea, treno;
  size_t prove = 0;            // runs of the compile step
  bool al_limite = false;      // stopped by a limit with faults still to find
};

// Whether a fault lies in one entry that can be dropped to read on. Faults of
// the layout pass and of the whole pair (the kilometre-post check) belong to
// no entry; a pair without a usable line length or "[generale]" cannot be
// read on at all.
bool guasto_di_una_voce(const Guasto& g);

// Runs the compile until a run meets no fault of an entry, or a limit is
// reached: `massimo_prove` runs, or the bytes the runs read (each from where
// it started up to its fault) passing four times the pair's size plus 64 MiB,
// so that recovering in a long text costs a few compiles of it however many
// faults it holds.
// Each run's first such fault is recorded and its line blanked in a copy of
// its text, made at the first blanking; the texts given stay the caller's and
// must outlive the call. The last run's faults and other diagnostics close
// the list.
EsitoRecupero recupera(std::string_view linea, std::string_view treno, const std::string& nome_linea,
                       const std::string& nome_treno, const CompilaProva& compila, size_t massimo_prove);

}  // namespace scenario::tool
