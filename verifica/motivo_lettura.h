// A reading failure (fault 25) told in the author's words: a decimal point in
// a whole number, a value outside its field's range, an entry with too few
// values for its key, a text that ends inside an entry, letters where a number
// belongs.
#pragma once

#include <string>

#include "model/stato.h"
#include "model/traccia.h"
#include "verifica/diagnostiche.h"

namespace scenario::tool {

// The values an entry of these key words takes (numbers and its text); 0 for
// words that are no key.
int valori_della_voce(const VoceLetta& v);
// The key as the guide names it ("stazione", "progressiva chilometrica uno").
std::string nome_della_voce(const VoceLetta& v);

// Fills the message and hint of `d`, the diagnostic of reading failure `g`;
// `voce` is the entry being read when it failed, or nullptr. An entry whose
// values ran short moves `d` to the entry's key.
void spiega_lettura(const Guasto& g, const Traccia& t, const VoceLetta* voce, Diagnostica* d);

}  // namespace scenario::tool
