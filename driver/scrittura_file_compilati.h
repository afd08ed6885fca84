// Writing the three compiled files. The model encodes them
// (model/file_compilati.h); the driver alone puts bytes into files.
#pragma once

#include <string>
#include <vector>

#include "model/file_compilati.h"
#include "platform/status.h"

namespace scenario {

class NomiFile;
struct Compilatore;

// Writes the track-plan file (only when genera_tracciato is non-zero and the
// plan exists), the table file and the cell file of `stato`, in this order,
// each replaced whole, under the names and in the folder of `nomi`. The plan
// is computed, encoded and written piece by piece, never held whole: the
// memory this takes is the same for a line of any length.
Status scrivi_file_compilati(const NomiFile& nomi, const Compilatore& stato);

// The same files as one set, all or nothing (platform/sostituzione_insieme.h),
// written the same way piece by piece; `scritti`, when given, receives the
// paths of the files put in place.
Status sostituisci_file_compilati(const NomiFile& nomi, const Compilatore& stato, std::vector<std::string>* scritti);

}  // namespace scenario
