#include "readers/treno_generali.h"

#include "model/stato.h"

namespace scenario {

Esito regola_massa_frenata(LetturaTreno& lettura) {
  int32_t massa = 0;
  if (!lettura.leggi_valore(&massa)) return Esito::kErroreLettura;
  lettura.stato.elementi[kRigaValoriCorsa].dato1 = massa;
  return Esito::kAvanti;
}

Esito regola_vetture(LetturaTreno& lettura) {
  int32_t vetture = 0;
  if (!lettura.leggi_valore(&vetture)) return Esito::kErroreLettura;
  lettura.stato.elementi[kRigaValoriCorsa].dato3 = vetture;
  return Esito::kAvanti;
}

Esito regola_orologio(LetturaTreno& lettura) {
  Elemento& treno = lettura.stato.elementi[kRigaTreno];
  for (int16_t* campo : {&treno.intero3, &treno.intero4, &treno.intero5}) {
    if (!lettura.leggi_valore(campo)) return Esito::kErroreLettura;
  }
  return Esito::kAvanti;
}

Esito regola_sabbia(LetturaTreno& lettura) {
  if (!lettura.leggi_valore(&lettura.stato.elementi[kRigaTreno].intero1)) return Esito::kErroreLettura;
  return Esito::kAvanti;
}

}  // namespace scenario
