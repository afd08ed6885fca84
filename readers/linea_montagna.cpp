#include "readers/linea_montagna.h"

#include <cstdint>

#include "model/codici_errore.h"
#include "model/griglia.h"
#include "model/stato.h"

namespace scenario {
namespace {

constexpr int32_t kMarcata = 10;         // a tipo above this marks the section
constexpr int64_t kDistanzaUnione = 150; // sections this close are joined by scenery type 3
constexpr int32_t kTipoUnione = 3;
constexpr int kPassoMarche = 4;          // a mark every fourth cell: every 200 m

}  // namespace

void memo_montagna(Compilatore& stato, int32_t inizio, int32_t fine, int32_t& tipo) {
  const int64_t prima = cella_di(inizio);
  const int64_t ultima = cella_di(fine, -1.0);
  // The model has room for 80 sections, and the cells for nothing outside
  // 0 to ultima_cella: both are refused before anything changes.
  if (stato.n_montagne >= kMaxMontagne) {
    stato.registra(kErroreTroppeMontagne, inizio);
    return;
  }
  if (prima <= ultima && (prima < 0 || ultima > stato.ultima_cella)) {
    stato.registra(kErroreOggettoLineaFuori, inizio);
    return;
  }

  const bool marcata = tipo > kMarcata;
  if (marcata) tipo -= kMarcata;
  const int32_t n = ++stato.n_montagne;
  stato.montagne_inizio[static_cast<size_t>(n)] = inizio;
  stato.montagne_fine[static_cast<size_t>(n)] = fine;
  if (n > 1 && static_cast<int64_t>(inizio) - stato.montagne_fine[static_cast<size_t>(n - 1)] <= kDistanzaUnione) {
    tipo = kTipoUnione;
  }

  int conta = 0;
  for (int64_t i = prima; i <= ultima; ++i) {
    Cella& cella = stato.celle[static_cast<size_t>(i)];
    ++conta;
    cella.montagna = static_cast<uint8_t>(tipo & 0xFF);
    // The mark lies only where nothing else does; later objects may take it.
    if (marcata && conta % kPassoMarche == 0 && cella.tipo == kLibera) cella.tipo = kMarcaMontagna;
  }
}

}  // namespace scenario
