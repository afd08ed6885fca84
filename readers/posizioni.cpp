#include "readers/posizioni.h"

#include <string>

#include "model/griglia.h"
#include "model/stato.h"
#include "model/tipi_avviso.h"
#include "platform/da_tradurre.h"

namespace scenario {

bool oltre_le_celle(const Compilatore& stato, int32_t posizione, int32_t margine) {
  const double cella = (static_cast<double>(posizione) + static_cast<double>(margine)) / kMetriCella;
  return cella > static_cast<double>(stato.ultima_cella);
}

void controlla_ordine(Compilatore& stato, std::optional<int32_t>& precedente, int32_t posizione,
                      std::string_view modello) {
  if (precedente && posizione < *precedente) {
    stato.avverti(kAvvisoFuoriOrdine, modello, {std::to_string(posizione), std::to_string(*precedente)});
  }
  precedente = posizione;
}

}  // namespace scenario
