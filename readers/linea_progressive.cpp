#include "readers/linea_progressive.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string>

#include "model/codici_errore.h"
#include "model/stato.h"
#include "model/tipi_avviso.h"
#include "platform/da_tradurre.h"

namespace scenario {
namespace {

struct Sistema {
  int32_t inizio = 0;     // line position where the system begins (m)
  int32_t valore = 0;     // kilometre reference value (m)
  int32_t direzione = 0;  // 0 increasing, 1 decreasing
};

using Righe = std::array<Sistema, 3>;  // rows 81, 82, 83

Sistema da_riga(const Elemento& riga) { return Sistema{riga.dato1, riga.dato2, riga.dato3}; }

// The furthest start goes to row 81, the further of the other two to row 82.
// Without a start strictly beyond both others there is no order: false.
bool per_inizio(const Sistema& t, const Sistema& d, const Sistema& u, Righe* righe) {
  auto dopo = [](const Sistema& primo, const Sistema& a, const Sistema& b) {
    return a.inizio > b.inizio ? Righe{primo, a, b} : Righe{primo, b, a};
  };
  if (t.inizio > d.inizio && t.inizio > u.inizio) {
    *righe = dopo(t, d, u);
  } else if (d.inizio > t.inizio && d.inizio > u.inizio) {
    *righe = dopo(d, t, u);
  } else if (u.inizio > t.inizio && u.inizio > d.inizio) {
    *righe = dopo(u, t, d);
  } else {
    return false;
  }
  return true;
}

// All starts at 0: the system with a positive value comes first; a later
// test overrides an earlier one, so "uno" wins over "due" and "due" over "tre".
Righe per_valore(const Sistema& t, const Sistema& d, const Sistema& u) {
  Righe righe{};
  if (t.valore > 0) righe = {t, d, u};
  if (d.valore > 0) righe = {d, t, u};
  if (u.valore > 0) righe = {u, d, t};
  return righe;
}

void avverti_parita(Compilatore& stato, const Sistema& t, const Sistema& d, const Sistema& u) {
  const int32_t massimo = std::max({t.inizio, d.inizio, u.inizio});
  stato.avverti(kAvvisoProgressive, N_("kilometre-post systems: more than one begins at %1 m, the furthest start; all three systems "
                   "are cleared"),
                {std::to_string(massimo)}, true);
}

}  // namespace

void progressive_ordina(Compilatore& stato) {
  Elementi& elementi = stato.elementi;
  const Sistema t = da_riga(elementi[kRigaProgressivaTre]);
  const Sistema d = da_riga(elementi[kRigaProgressivaDue]);
  const Sistema u = da_riga(elementi[kRigaProgressivaUno]);

  Righe righe{};
  const int64_t somma = static_cast<int64_t>(t.inizio) + d.inizio + u.inizio;
  if (somma != 0) {
    if (!per_inizio(t, d, u, &righe)) avverti_parita(stato, t, d, u);
  } else {
    righe = per_valore(t, d, u);
  }

  // A decreasing system's value grows by 100; one that would leave 32 bits is
  // refused before any row changes.
  for (const Sistema& s : righe) {
    if (s.direzione == 1 && s.valore > std::numeric_limits<int32_t>::max() - 100) {
      stato.registra(kErroreLettura);
      return;
    }
  }
  const std::array<int, 3> indici{kRigaProgressivaTre, kRigaProgressivaDue, kRigaProgressivaUno};
  for (size_t i = 0; i < righe.size(); ++i) {
    Elemento& riga = elementi[static_cast<size_t>(indici[i])];
    riga.dato1 = righe[i].inizio;
    riga.dato2 = righe[i].direzione == 1 ? righe[i].valore + 100 : righe[i].valore;
    riga.dato3 = righe[i].direzione;
  }
}

}  // namespace scenario
