#include "readers/treno_velocita.h"

#include <optional>

#include "model/codici_errore.h"
#include "model/griglia.h"
#include "model/stato.h"
#include "platform/da_tradurre.h"
#include "readers/posizioni.h"
#include "readers/treno_celle.h"

namespace scenario {
namespace {

// Carries the value in force into the cells from the counter up to the cell
// before n, where the new entry's value starts. The body runs once even when
// the counter is already at or past n, so an entry in the same cell as the one
// before it starts one cell later. The last cell is never written here. False
// when a cell is to receive a value that has no byte (a speed out of range).
bool ripeti(LetturaTreno& lettura, int64_t& contatore, int64_t n, uint8_t Cella::*campo,
            std::optional<uint8_t> valore) {
  if (n <= 0) return true;
  Compilatore& stato = lettura.stato;
  do {
    if (contatore >= stato.ultima_cella || !cella_esiste(stato, contatore)) return true;
    if (!valore) return false;
    stato.celle[static_cast<size_t>(contatore)].*campo = *valore;
    ++contatore;
  } while (contatore < n);
  return true;
}

// Reads the position and the value of an entry.
Esito leggi_voce(LetturaTreno& lettura, int32_t* posizione, int32_t* valore) {
  if (!lettura.leggi_valore(posizione) || !lettura.leggi_valore(valore)) return Esito::kErroreLettura;
  return Esito::kAvanti;
}

}  // namespace

Esito regola_velocita(LetturaTreno& lettura) {
  int32_t p = 0, v = 0;
  if (Esito e = leggi_voce(lettura, &p, &v); e != Esito::kAvanti) return e;
  if (Esito e = lettura.controlla_posizione(p, kMargineVoce); e != Esito::kAvanti) return e;
  controlla_ordine(lettura.stato, lettura.ultima_velocita, p,
                   N_("speed limit at %1 m comes after one at %2 m: entries out of order of position"));
  // The cells before this line's own receive the speed in force; this line's
  // speed is tested only when a cell receives it, here or in the closing fill.
  if (!ripeti(lettura, lettura.contatore_velocita, cella_di(p), &Cella::velocita,
              byte_velocita(lettura.velocita_corrente))) {
    lettura.guasto(kErroreLettura);
    return Esito::kErroreLettura;
  }
  lettura.velocita_corrente = v;
  return Esito::kAvanti;
}

Esito regola_aderenza(LetturaTreno& lettura) {
  int32_t p = 0, a = 0;
  if (Esito e = leggi_voce(lettura, &p, &a); e != Esito::kAvanti) return e;
  if (Esito e = lettura.controlla_posizione(p, kMargineVoce); e != Esito::kAvanti) return e;
  controlla_ordine(lettura.stato, lettura.ultima_aderenza, p,
                   N_("adhesion at %1 m comes after one at %2 m: entries out of order of position"));
  ripeti(lettura, lettura.contatore_aderenza, cella_di(p), &Cella::aderenza, lettura.aderenza_corrente);
  lettura.aderenza_corrente = basso8(a);
  return Esito::kAvanti;
}

}  // namespace scenario
