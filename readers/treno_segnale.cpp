#include "readers/treno_segnale.h"

#include "model/arrotonda.h"
#include "model/codici_errore.h"
#include "model/stato.h"
#include "readers/treno_celle.h"

namespace scenario {
namespace {

// The farthest approach mark lies 8 cells (400 m) before the signal.
constexpr int64_t kDistanzaUltimoAvviso = 8;

// The packed codes keep only the low bits of the cell fields; unsigned
// arithmetic wraps where a signed 32-bit product could overflow, and the low
// bits come out the same.
int16_t impacca(int32_t decine, int32_t unita) {
  return basso16(static_cast<uint32_t>(decine) * 10u + static_cast<uint32_t>(unita));
}

void scrivi_segnale(Cella& cella, const Segnale& s) {
  cella.tipo = kSegnale;
  cella.valore_d = basso16(static_cast<uint32_t>(s.rapp) * 10u + static_cast<uint32_t>(s.sx) * 3u +
                           static_cast<uint32_t>(s.dx));
  cella.valore_a = impacca(s.s1, s.d1);
  cella.valore_b = impacca(s.s2, s.d2);
  cella.valore_c = impacca(s.s3, s.d3);
  // Only a signal of kind 2 carries a time.
  cella.tempo = s.sx == 2 ? basso8(s.tempo) : 0;
}

}  // namespace

void memo_segnale(Compilatore& stato, int32_t posizione, Segnale& segnale) {
  const int64_t n = cella_di(posizione, 1.0);
  if (!cella_esiste(stato, n) || !cella_esiste(stato, n - kDistanzaUltimoAvviso)) {
    stato.registra(kErroreOggettoTrenoFuori);
    return;
  }
  Cella& cella = stato.celle[static_cast<size_t>(n)];
  if (!cella_libera(cella)) {
    stato.trova_occupata(n);
    stato.registra(kErroreSegnaleOccupato);
    return;
  }
  // A short time (1 to 100) is raised to 101; 0, meaning no time, stays.
  if (segnale.tempo >= 1 && segnale.tempo <= 100) segnale.tempo = 101;
  scrivi_segnale(cella, segnale);
  stato.posa(n);

  const uint32_t codice = static_cast<uint32_t>(segnale.sx) * 3u + static_cast<uint32_t>(segnale.dx);
  for (uint32_t j = 1; j <= 4; ++j) {
    const int64_t indice = n - 2 * static_cast<int64_t>(j);
    segna_avviso(stato, static_cast<size_t>(indice), basso8(codice * 10u + j));
  }
}

}  // namespace scenario
