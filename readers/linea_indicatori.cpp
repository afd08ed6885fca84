#include "readers/linea_indicatori.h"

#include "model/codici_errore.h"
#include "model/griglia.h"
#include "model/stato.h"
#include "model/valori_cella.h"

namespace scenario {

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
  const ValoriIndicatori valori{{voce.vas, voce.vad}, {voce.vbs, voce.vbd}, {voce.vcs, voce.vcd},
                                {voce.strisces, voce.strisced}};
  if (!codifica_indicatori(valori, &cella)) {  // a value the cell's 16-bit fields cannot hold
    stato.registra(kErroreLettura);
    return;
  }
  stato.posa(j);
}

}  // namespace scenario
