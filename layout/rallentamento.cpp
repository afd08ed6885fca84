// Step B of the layout pass: markers before a slowdown's start, every 400 m
// through a slow slowdown, and before a signal just after its end.
#include <algorithm>
#include <array>
#include <cstdint>

#include "layout/distanze_passata.h"
#include "layout/passi_passata.h"
#include "model/codici_errore.h"
#include "model/griglia.h"
#include "model/stato.h"

namespace scenario {
namespace {

// Slowdowns at this speed or above are not slowed further along their length.
constexpr int16_t kVelocitaSenzaPercorso = 110;
constexpr int32_t kPassoMarche = 8;  // 400 m between markers in a slowdown

bool metti_in_finestra(Compilatore& stato, int32_t n, const Finestra& finestra) {
  for (const int32_t distanza : finestra.distanze) {
    if (libera(stato, n - distanza)) {
      metti_marca(stato, n - distanza);
      return true;
    }
  }
  return false;
}

// When the marker has to move one cell back or forward, the counter restarts
// so that the next one again falls 8 cells after the marker actually placed.
// After a fault the counter is left at 8: it only grows from then on, and the
// walk places no further marker.
void marca_del_passo(Compilatore& stato, StatoPassata& passata) {
  const int32_t i = passata.indice_scansione;
  if (libera(stato, i)) {
    metti_marca(stato, i);
    passata.contatore_marche = 0;
  } else if (libera(stato, i - 1)) {
    metti_marca(stato, i - 1);
    passata.contatore_marche = 1;
  } else if (libera(stato, i + 1)) {
    metti_marca(stato, i + 1);
    passata.contatore_marche = -1;
  } else {
    stato.registra_cella(kErroreMarcaRallentamento, i * kMetriCella);
  }
}

}  // namespace

void finestre_prima_inizio(Compilatore& stato, int32_t n) {
  for (const Finestra& finestra : kFinestre) {
    if (n <= finestra.oltre) continue;
    if (!metti_in_finestra(stato, n, finestra)) stato.registra_cella(kErroreFinestraOccupata, n * kMetriCella);
  }
}

// Walks from the start cell to the slowdown's end cell, leaving the scan
// index on it, and returns whether an end cell was met. The walk never goes
// past the last cell: a slowdown whose end is missing stops there with fault
// 33 at its start position.
bool percorri_rallentamento(Compilatore& stato, StatoPassata& passata, bool con_marche) {
  const int32_t ultima = ultima_cella_valida(stato);
  passata.contatore_marche = 0;
  passata.indice_scansione = passata.n;
  for (;;) {
    ++passata.indice_scansione;
    ++passata.contatore_marche;
    if (con_marche && passata.contatore_marche == kPassoMarche) marca_del_passo(stato, passata);
    if (tipo_di(stato, passata.indice_scansione) == kFineRallentamento) return true;
    if (passata.indice_scansione >= ultima) {
      stato.registra_cella(kErroreSenzaFine, passata.n * kMetriCella);
      return false;
    }
  }
}

// From the end cell (the scan index) looks up to 12 cells on, never past the
// last cell, for a signal, and puts a marker in one of the two cells before
// it. A fault is reported at the end cell, where the slowdown ends.
void guarda_avanti(Compilatore& stato, StatoPassata& passata) {
  const int32_t fine = passata.indice_scansione;
  const int32_t limite = std::min(fine + kCelleAvanti, ultima_cella_valida(stato));
  passata.contatore_marche = 0;
  for (int32_t i = fine; i <= limite; ++i) {
    if (tipo_di(stato, i) == kSegnale) {
      passata.contatore_marche = i - 1;
      break;
    }
  }
  const int32_t prima = passata.contatore_marche;
  if (prima <= 0) return;
  if (libera(stato, prima)) {
    metti_marca(stato, prima);
  } else if (libera(stato, prima - 1)) {
    metti_marca(stato, prima - 1);
  } else {
    stato.registra_cella(kErroreMarcaRallentamento, fine * kMetriCella);
  }
}

// A slowdown at 110 km/h or more gets no markers along its length, but the
// signal after its end is still treated, from its own end cell: the end is
// found by the same walk with the markers left out. Without an end cell up to
// the last cell the slowdown is reported as for a slow one and gets no
// look-forward. Our choice, where the behaviour had not been settled: the scan
// index that earlier steps happened to leave says nothing about this slowdown.
void tratta_rallentamento(Compilatore& stato, StatoPassata& passata) {
  finestre_prima_inizio(stato, passata.n);
  const int16_t velocita = stato.celle.at(static_cast<size_t>(passata.n)).valore_a;
  const bool lento = velocita < kVelocitaSenzaPercorso;
  if (percorri_rallentamento(stato, passata, lento)) guarda_avanti(stato, passata);
}

}  // namespace scenario
