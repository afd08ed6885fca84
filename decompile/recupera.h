// From the compiled table, cells and plan back to description entries. Each
// function reads the decoded arrays only; where several entries compile to the
// same bytes it picks the one an author would most likely have written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "decompile/voci.h"
#include "model/flusso_tracciato.h"
#include "model/griglia.h"
#include "model/modello.h"
#include "model/valori_cella.h"

namespace scenario::decompila {

// The position an author writes for an object that the readers put into cell
// position / 50 + 1, as an entry's 32-bit field.
inline int32_t posizione_dopo(size_t cella) { return static_cast<int32_t>(posizione_oggetto(cella)); }

// The first metre of cell k, as an entry's 32-bit field.
inline int32_t metri_di(size_t k) { return static_cast<int32_t>(metri_cella(k)); }

// The general values, kilometre-post systems, gradients, mountain sections,
// indicators and signposts. Curves are left to recupera_curve.
DescrizioneLinea recupera_linea(const Elementi& elementi, const std::vector<Cella>& celle);

// The curves that draw `tracciato`: each metre is matched with the straight or
// curved step that gives its point bit for bit, and runs of equal curved steps
// become entries. False, with the first metre that no step draws in `errore`,
// when the plan is not one the compiler draws; `curve` then holds what was
// matched before that metre.
bool recupera_curve(const PianoAPassi& piano, std::vector<Curva>* curve, std::string* errore);
bool recupera_curve(const PuntiTracciato& tracciato, std::vector<Curva>* curve, std::string* errore);

// The general train values, adhesion, speed limits, stations, slowdowns,
// signals and the abbattimento entries that only an author can have written.
// A cell of type abbattimento with the layout pass's own value is left out:
// scegli_abbattimenti decides which of those an author wrote.
DescrizioneTreno recupera_treno(const Elementi& elementi, const std::vector<Cella>& celle);

// The cells that hold what the layout pass writes as a marker (type
// abbattimento, value 180): a marker, or an entry of the same value.
std::vector<int32_t> celle_come_segnalini(const std::vector<Cella>& celle);

// A row of the element table that nothing filled. Stations fill rows 1 upward
// and a station row is never all zeros, so the first empty row ends them.
bool riga_vuota(const Elemento& riga);

}  // namespace scenario::decompila
