#include "verifica/riepilogo.h"

#include "platform/da_tradurre.h"
#include "platform/traduzione.h"
#include "verifica/voci_lette.h"

namespace scenario::tool {
std::string riepilogo(const Compilatore& stato, const Traccia& traccia, size_t avvisi) {
  size_t stazioni = 0, segnali = 0, rallentamenti = 0;
  for (const VoceLetta& v : traccia.voci) {
    stazioni += e_voce(v, parole::kStazione);
    segnali += e_voce(v, parole::kSegnale);
    rallentamenti += e_voce(v, parole::kRallentamento);
  }
  return componi(traduci("line of %1 m; stations %2, signals %3, slowdowns %4, warnings %5"),
                 {std::to_string(stato.elementi[kRigaValoriCorsa].dato2), std::to_string(stazioni),
                  std::to_string(segnali), std::to_string(rallentamenti), std::to_string(avvisi)});
}

}  // namespace scenario::tool
