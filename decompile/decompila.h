// From the compiled files of a scenario back to a line and a train
// description, in memory: bytes in, the two texts and the check out. The texts
// are compiled again and compared with the input byte for byte; where they
// differ, the differences say which records and fields.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "decompile/confronta.h"
#include "model/file_compilati.h"
#include "model/flusso_tracciato.h"
#include "platform/da_tradurre.h"

namespace scenario::decompila {

// Which input file is not a compiled file of its kind.
enum class Rifiuto { kNessuno, kTabella, kCelle, kNumeroCelle, kTracciato };

struct Decompilazione {
  bool letta = false;  // false: the files are not a compiled scenario
  Rifiuto rifiuto = Rifiuto::kNessuno;
  Testo perche;  // the decoder's reason, or the number of cells
  std::string errore;  // the whole refusal as one English sentence
  std::string linea;   // the line description text
  std::string treno;   // the train description text
  bool curve_recuperate = false;  // false when there was no plan
  std::string tracciato_estraneo;  // where the plan stops being one the compiler draws; empty when it is
  std::vector<Differenza> differenze;  // empty: the texts compile to the input bytes

  bool identica() const { return letta && differenze.empty(); }
};

// A compiled plan file of `byte` bytes, read a piece at a time through `leggi`.
struct TracciatoAPezzi {
  LeggiPezzo leggi;
  uint64_t byte = 0;
};

// The plan may be absent: the scenario was compiled without one.
Decompilazione decompila(const FileCodificati& file, const std::string& nome_linea, const std::string& numero_treno);
// The same with the plan read a piece at a time, never held whole: its curves
// are recovered in one pass and the check compares it piece by piece with
// the plan the texts compile to.
Decompilazione decompila(std::string_view tabella, std::string_view celle, const TracciatoAPezzi* tracciato,
                         const std::string& nome_linea, const std::string& numero_treno);

}  // namespace scenario::decompila
