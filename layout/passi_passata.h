// The steps of the layout pass and the state they share between cells.
#pragma once

#include <cstdint>

#include "model/valori_cella.h"

namespace scenario {

struct Compilatore;

// What the pass carries from one cell of the outer walk to the next. The scan
// index is the look-back's distance counter as well as the walk's position;
// the marker counter is the walk's step count and then the look-forward's
// find. Both keep whatever the last step left in them.
struct StatoPassata {
  int32_t n = 0;
  int32_t indice_scansione = 0;
  int32_t contatore_marche = 0;
};

// The last cell the pass may read or write: ultima_cella, and never past the
// end of the array.
int32_t ultima_cella_valida(const Compilatore& stato);

// A cell inside the array that is free (type 0 or a mountain mark).
bool libera(const Compilatore& stato, int32_t indice);
// The cell's type, or 0 for an index outside the array.
uint8_t tipo_di(const Compilatore& stato, int32_t indice);
// Makes the cell an abbattimento cell carrying 180.
void metti_marca(Compilatore& stato, int32_t indice);

// Step A: cell n is a slowdown warning board.
void guarda_indietro(Compilatore& stato, StatoPassata& passata);
// Step B: cell n is a slowdown start.
void tratta_rallentamento(Compilatore& stato, StatoPassata& passata);

// The three parts of step B, in their order.
void finestre_prima_inizio(Compilatore& stato, int32_t n);
bool percorri_rallentamento(Compilatore& stato, StatoPassata& passata, bool con_marche);
void guarda_avanti(Compilatore& stato, StatoPassata& passata);

}  // namespace scenario
