#include "readers/treno_celle.h"

#include <string>

#include "model/stato.h"
#include "model/tipi_avviso.h"
#include "platform/da_tradurre.h"

namespace scenario {

bool cella_esiste(const Compilatore& stato, int64_t i) {
  return i >= 0 && i <= stato.ultima_cella && static_cast<uint64_t>(i) < stato.celle.size();
}

void segna_avviso(Compilatore& stato, size_t cella, uint8_t avviso) {
  uint8_t& segno = stato.celle[cella].avviso;
  if (segno != 0 && segno != avviso) {
    stato.avverti(kAvvisoSostituito, N_("approach mark %1 replaces mark %2 in cell %3"),
                  {std::to_string(avviso), std::to_string(segno), std::to_string(cella)});
  }
  segno = avviso;
}

}  // namespace scenario
