// Reading the compiled files back: the inverse of the encoders, strict about
// the size and the shape of each file, so that a truncated, foreign or hostile
// file is refused with the offset where it stops making sense, and without
// holding more memory than a real file of its kind would take.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/modello.h"
#include "platform/da_tradurre.h"

namespace scenario {

enum class TipoCompilato { kTabella, kCelle, kTracciato };

// The largest file of the kind the compiler can write: 87 rows each with the
// longest text a row can hold, the cells of the longest line, the plan of the
// longest line with a 64-bit float at every point.
uint64_t dimensione_massima(TipoCompilato tipo);

// None when `byte` can be the size of a file of the kind; otherwise why not
// ("it is empty", "209715200 bytes, more than ..."). Every reader of compiled
// files asks this before reading one, so that a huge file costs nothing.
std::optional<Testo> dimensione_non_valida(TipoCompilato tipo, uint64_t byte);

// Each checks the size as above, then decodes; false, with `errore` filled
// ("offset 2961: ..."), when the bytes cannot be a file of that kind. A plan
// point that is not a finite number is refused with its column and metre.
bool decodifica_elementi(std::string_view dati, Elementi* elementi, Testo* errore);
bool decodifica_celle(std::string_view dati, std::vector<Cella>* celle, Testo* errore);
bool decodifica_tracciato(std::string_view dati, PuntiTracciato* tracciato, Testo* errore);

}  // namespace scenario
