// From the compiled files of a scenario back to a line and a train
// description, in memory: bytes in, the two texts and the check out. The texts
// are compiled again and compared with the input byte for byte; where they
// differ, the differences say which records and fields.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "decompile/confronta.h"

namespace scenario::decompila {

struct FileCompilati {
  std::string tabella;
  std::string celle;
  std::optional<std::string> tracciato;  // absent when compiled without a plan
};

struct Decompilazione {
  bool letta = false;  // false: the files are not a compiled scenario (see `errore`)
  std::string errore;
  std::string linea;  // the line description text
  std::string treno;  // the train description text
  bool curve_recuperate = false;
  std::vector<std::string> avvisi;
  std::vector<Differenza> differenze;  // empty: the texts compile to the input bytes

  bool identica() const { return letta && differenze.empty(); }
};

Decompilazione decompila(const FileCompilati& file, const std::string& nome_linea, const std::string& numero_treno);

}  // namespace scenario::decompila
