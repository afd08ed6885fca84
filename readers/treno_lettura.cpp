#include "readers/treno_lettura.h"

#include "model/codici_errore.h"
#include "readers/posizioni.h"

namespace scenario {

Esito LetturaTreno::controlla_posizione(int32_t posizione, int32_t margine) {
  if (!oltre_le_celle(stato, posizione, margine)) return Esito::kAvanti;
  guasto(kErroreOltreLeCelle, posizione);
  return Esito::kOltre;
}

}  // namespace scenario
