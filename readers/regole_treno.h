// The rules of the train description, one per key word, and its closing steps.
// Each rule reads its own value fields after the key and acts on them.
#pragma once

#include "readers/lettura_treno.h"

namespace scenario {

// General values of the train (row 84 and row 86).
Esito regola_massa_frenata(LetturaTreno& lettura);
Esito regola_vetture(LetturaTreno& lettura);
Esito regola_orologio(LetturaTreno& lettura);
Esito regola_sabbia(LetturaTreno& lettura);

// Values that hold from a position on, cell by cell.
Esito regola_velocita(LetturaTreno& lettura);
Esito regola_aderenza(LetturaTreno& lettura);

// Objects placed in the cells.
Esito regola_segnale(LetturaTreno& lettura);
Esito regola_rallentamento(LetturaTreno& lettura);
Esito regola_abbattimento(LetturaTreno& lettura);
Esito regola_stazione(LetturaTreno& lettura);

// Closing steps: speed and adhesion up to the end of the line, then the check
// of the kilometre-post systems.
void chiusura_treno(LetturaTreno& lettura);

}  // namespace scenario
