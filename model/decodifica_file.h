// Reading the compiled files back: the inverse of the encoders, strict about
// the shape of each file, so that a truncated or foreign file is refused with
// the offset where it stops making sense.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/modello.h"

namespace scenario {

// Each returns false and fills `errore` ("offset 2961: ...") when the bytes
// cannot be a file of that kind.
bool decodifica_elementi(std::string_view dati, Elementi* elementi, std::string* errore);
bool decodifica_celle(std::string_view dati, std::vector<Cella>* celle, std::string* errore);
bool decodifica_tracciato(std::string_view dati, PuntiTracciato* tracciato, std::string* errore);

}  // namespace scenario
