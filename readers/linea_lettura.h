// The state of one reading of the line description, shared by the pieces of
// the line reader: the scaffold's field cursor, the gradient and plan cursors,
// and the positions of the last entries.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "readers/lettura_descrizione.h"
#include "readers/ripresa.h"

namespace scenario {

class LetturaLinea : public LetturaDescrizione, public CursoriLinea {
 public:
  using LetturaDescrizione::LetturaDescrizione;

  // The next key of a main loop, handing the reading's point over first.
  bool prossima_voce(Ciclo ciclo, int commenti) {
    return LetturaDescrizione::prossima_voce(ciclo, commenti, static_cast<const CursoriLinea&>(*this),
                                             &PuntoLettura::linea);
  }
  // Takes the reading up at `punto`, a point of this half.
  void riprendi(const PuntoLettura& punto) {
    LetturaDescrizione::riprendi(punto, static_cast<CursoriLinea*>(this), &PuntoLettura::linea);
  }
};

// The general section, from the field after "[generale]" to its closing field
// or the end of the file (kAvanti, kFineTesto or kFermo).
Esito leggi_sezione_generale(LetturaLinea& lettura);
// The cell array and the plan, sized by the last length entry taken: made
// once, when the general section ends, however it ends.
void crea_celle_e_tracciato(LetturaLinea& lettura);
// Warns about a key field that matched no key test, unless it is a heading,
// an empty field or a stray number.
void avverti_se_ignota(LetturaLinea& lettura, std::string_view campo);
// What follows the general section before any object entry: the sorting of
// the kilometre-post systems, the cursors and the plan's seed rows.
Esito chiudi_sezione_generale(LetturaLinea& lettura);
// The object part, to the end of the file (kFineTesto, kOltre or kFermo).
Esito leggi_parte_oggetti(LetturaLinea& lettura);

// Object entries, each with its key already read.
Esito voce_pendenza(LetturaLinea& lettura);
Esito voce_curva(LetturaLinea& lettura);  // the key names the curvature
Esito voce_montagna(LetturaLinea& lettura);
Esito voce_indicatori(LetturaLinea& lettura);
Esito voce_cartello(LetturaLinea& lettura);

// The tails at the end of the file: the last gradient up to ultima_cella - 3
// and the plan straight on to lunghezza_tracciato - 2.
void coda_pendenze(LetturaLinea& lettura);
void coda_tracciato(LetturaLinea& lettura);

}  // namespace scenario
