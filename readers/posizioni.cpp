#include "readers/posizioni.h"

#include <string>

#include "model/stato.h"

namespace scenario {

bool oltre_le_celle(const Compilatore& stato, int32_t posizione, int32_t margine) {
  const double cella = (static_cast<double>(posizione) + static_cast<double>(margine)) / 50.0;
  return cella > static_cast<double>(stato.ultima_cella);
}

void controlla_ordine(Compilatore& stato, std::optional<int32_t>& precedente, int32_t posizione,
                      std::string_view voce) {
  if (precedente && posizione < *precedente) {
    stato.avverti(std::string(voce) + " at " + std::to_string(posizione) + " m comes after one at " +
                  std::to_string(*precedente) + " m: entries out of order of position");
  }
  precedente = posizione;
}

}  // namespace scenario
