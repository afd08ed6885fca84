// Step A of the layout pass: every signal up to 20 cells (1000 m) behind a
// slowdown warning board gets a marker in one of the two cells before it.
#include <cstdint>

#include "layout/distanze_passata.h"
#include "layout/minimo.h"
#include "layout/passi_passata.h"
#include "model/codici_errore.h"
#include "model/griglia.h"
#include "model/stato.h"

namespace scenario {
namespace {

// The look-back goes no nearer the line's start than this cell, so that the
// two cells before a signal it treats are cells 1 and 2 at the lowest.
constexpr int32_t kPrimaCellaIndietro = 3;

// Lowers an abbattimento cell's value to 180 at most; a smaller one stays.
bool abbassa_abbattimento(Compilatore& stato, int32_t indice) {
  if (tipo_di(stato, indice) != kAbbattimento) return false;
  Cella& cella = stato.celle.at(static_cast<size_t>(indice));
  cella.valore_a = minimo(kValoreMarca, cella.valore_a);
  return true;
}

// A free cell two back is preferred to lowering an abbattimento one back: a
// new marker is always placed when there is room for one.
void tratta_segnale(Compilatore& stato, int32_t s) {
  if (libera(stato, s - 1)) {
    metti_marca(stato, s - 1);
  } else if (libera(stato, s - 2)) {
    metti_marca(stato, s - 2);
  } else if (!abbassa_abbattimento(stato, s - 1) && !abbassa_abbattimento(stato, s - 2)) {
    stato.registra_cella(kErroreMarcaSegnale, s * kMetriCella);
  }
}

}  // namespace

// The scan index is the distance counter: 21 after a full look-back, or the
// distance at which it stopped near the line's start.
void guarda_indietro(Compilatore& stato, StatoPassata& passata) {
  for (passata.indice_scansione = 1; passata.indice_scansione <= kCelleIndietro;
       ++passata.indice_scansione) {
    const int32_t s = passata.n - passata.indice_scansione;
    if (s < kPrimaCellaIndietro) return;
    if (tipo_di(stato, s) == kSegnale) tratta_segnale(stato, s);
  }
}

}  // namespace scenario
