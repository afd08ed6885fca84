#include "readers/treno_segnale.h"

#include "model/codici_errore.h"
#include "model/griglia.h"
#include "model/stato.h"
#include "readers/treno_celle.h"

namespace scenario {
namespace {

// The farthest approach mark lies 8 cells (400 m) before the signal.
constexpr int64_t kDistanzaUltimoAvviso = 8;

}  // namespace

void memo_segnale(Compilatore& stato, int32_t posizione, ImpostazioniSegnale& segnale) {
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
  codifica_segnale(segnale, &cella);
  stato.posa(n);

  for (int32_t j = 1; j <= 4; ++j) {
    const int64_t indice = n - 2 * static_cast<int64_t>(j);
    segna_avviso(stato, static_cast<size_t>(indice), avviso_segnale(segnale, j));
  }
}

}  // namespace scenario
