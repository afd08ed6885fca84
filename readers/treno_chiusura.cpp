#include "readers/treno_chiusura.h"

#include <optional>

#include "model/codici_errore.h"
#include "model/stato.h"
#include "readers/treno_celle.h"

namespace scenario {
namespace {

// Carries the value in force from the counter to the end of the line. The last
// three cells are left alone, unless the counter already stands on one of
// them: that one cell is then written. A counter past the last cell writes
// nothing. False when a cell is to receive a value that has no byte (a speed
// out of range).
bool riempi(Compilatore& stato, int64_t contatore, uint8_t Cella::*campo, std::optional<uint8_t> valore) {
  if (!cella_esiste(stato, contatore)) return true;
  if (!valore) return false;
  do {
    stato.celle[static_cast<size_t>(contatore)].*campo = *valore;
    ++contatore;
  } while (contatore < static_cast<int64_t>(stato.ultima_cella) - 2 && cella_esiste(stato, contatore));
  return true;
}

// The kilometre-post systems were stored by the line half; their start and
// kilometre value must lie on the 50 m grid of the cells.
bool progressive_valide(const Elementi& elementi) {
  for (int riga : {kRigaProgressivaTre, kRigaProgressivaDue, kRigaProgressivaUno}) {
    const Elemento& e = elementi[static_cast<size_t>(riga)];
    if (e.dato1 % 50 != 0 || e.dato2 % 50 != 0) return false;
  }
  return true;
}

}  // namespace

bool chiusura_treno(LetturaTreno& lettura) {
  Compilatore& stato = lettura.stato;
  // A speed that no byte can hold fails here, as a reading failure: the
  // adhesion fill and the check below do not follow.
  if (!riempi(stato, lettura.contatore_velocita, &Cella::velocita, byte_velocita(lettura.velocita_corrente))) {
    lettura.guasto(kErroreLettura);
    return false;
  }
  riempi(stato, lettura.contatore_aderenza, &Cella::aderenza, lettura.aderenza_corrente);
  if (!progressive_valide(stato.elementi)) {
    // The systems come from the line description: the fault is reported
    // against that file, with no line, and not against the train's last line.
    stato.file_corrente = stato.file_linea;
    stato.riga_corrente = 0;
    stato.colonna_corrente = 0;
    stato.registra(kErroreProgressive);
  }
  return true;
}

}  // namespace scenario
