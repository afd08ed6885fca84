#include "model/stato.h"
#include "readers/regole_treno.h"

namespace scenario {

EsitoTreno regola_massa_frenata(LetturaTreno& lettura) {
  int32_t massa = 0;
  if (!lettura.numero(&massa)) return EsitoTreno::kErroreLettura;
  lettura.stato.elementi[kRigaValoriCorsa].dato1 = massa;
  return EsitoTreno::kContinua;
}

EsitoTreno regola_vetture(LetturaTreno& lettura) {
  int32_t vetture = 0;
  if (!lettura.numero(&vetture)) return EsitoTreno::kErroreLettura;
  lettura.stato.elementi[kRigaValoriCorsa].dato3 = vetture;
  return EsitoTreno::kContinua;
}

EsitoTreno regola_orologio(LetturaTreno& lettura) {
  Elemento& treno = lettura.stato.elementi[kRigaTreno];
  for (int16_t* campo : {&treno.intero3, &treno.intero4, &treno.intero5}) {
    if (!lettura.numero(campo)) return EsitoTreno::kErroreLettura;
  }
  return EsitoTreno::kContinua;
}

EsitoTreno regola_sabbia(LetturaTreno& lettura) {
  if (!lettura.numero(&lettura.stato.elementi[kRigaTreno].intero1)) return EsitoTreno::kErroreLettura;
  return EsitoTreno::kContinua;
}

}  // namespace scenario
