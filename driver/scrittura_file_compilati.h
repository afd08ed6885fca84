// Writing the three compiled files. The model encodes them
// (model/file_compilati.h); the driver alone puts bytes into files.
#pragma once

#include "model/file_compilati.h"
#include "platform/status.h"

namespace scenario {

class NomiFile;
struct Compilatore;

// Writes the track-plan file (only when genera_tracciato is non-zero and the
// plan exists), the table file and the cell file of `stato`, in this order,
// each replaced whole, under the names and in the folder of `nomi`. The plan
// is encoded and written piece by piece.
Status scrivi_file_compilati(const NomiFile& nomi, const Compilatore& stato);

// The same for files already encoded (FileCodificati::tracciato absent: no
// plan file is written).
Status scrivi_file_codificati(const NomiFile& nomi, const FileCodificati& file);

}  // namespace scenario
