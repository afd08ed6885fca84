#include "readers/linea_indicatori.h"

#include <cstdint>
#include <limits>
#include <optional>

#include "model/arrotonda.h"
#include "model/codici_errore.h"
#include "model/stato.h"

namespace scenario {
namespace {

std::optional<int16_t> a_16_bit(int64_t valore) {
  if (valore < std::numeric_limits<int16_t>::min() || valore > std::numeric_limits<int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<int16_t>(valore);
}

// One packed speed: the left speed times 20 plus the right speed in steps of
// 5 km/h, worked out as a real number and rounded once.
std::optional<int16_t> velocita_impacchettata(int32_t sinistra, int32_t destra) {
  const double valore = static_cast<double>(destra) / 5.0 + 20.0 * static_cast<double>(sinistra);
  return a_16_bit(arrotonda(valore));
}

// Stripe counts: left times 10 plus right, in 16 bits.
std::optional<int16_t> strisce_impacchettate(int16_t sinistra, int16_t destra) {
  return a_16_bit(10 * static_cast<int64_t>(sinistra) + destra);
}

}  // namespace

void memo_indicatori_v_max(Compilatore& stato, const IndicatoriVMax& voce) {
  const int64_t j = cella_di(voce.posizione, 1.0);
  if (j < 0 || j > stato.ultima_cella) {
    stato.registra(kErroreOggettoLineaFuori, voce.posizione);
    return;
  }
  Cella& cella = stato.celle[static_cast<size_t>(j)];
  if (!cella_libera(cella)) {
    stato.trova_occupata(j);
    stato.registra(kErroreIndicatoreOccupato, voce.posizione);
    return;
  }
  const std::optional<int16_t> a = velocita_impacchettata(voce.vas, voce.vad);
  const std::optional<int16_t> b = velocita_impacchettata(voce.vbs, voce.vbd);
  const std::optional<int16_t> c = velocita_impacchettata(voce.vcs, voce.vcd);
  const std::optional<int16_t> d = strisce_impacchettate(voce.strisces, voce.strisced);
  if (!a || !b || !c || !d) {  // a value the cell's 16-bit fields cannot hold
    stato.registra(kErroreLettura);
    return;
  }
  cella.tipo = kIndicatoriVMax;
  stato.posa(j);
  cella.valore_a = *a;
  cella.valore_b = *b;
  cella.valore_c = *c;
  cella.valore_d = *d;
}

}  // namespace scenario
