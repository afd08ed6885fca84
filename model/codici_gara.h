// The competition codes: two check values computed from the scenario identity
// (the train number and the line name as the element table holds them).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/modello.h"

namespace scenario {

// The 25 characters that take part: train number, then line name, lower-cased,
// followed by the filler, cut after the 25th character.
std::string chiave_identita(std::string_view numero_treno, std::string_view nome_linea);

// Weighted sum over positions 1 to 25 of character code x position.
int32_t codice_gara_st(const Elementi& elementi);
// Plain sum of the 25 character codes.
int16_t codice_gara_og(const Elementi& elementi);

// Lower case in the 8-bit Western character set: A-Z and the accented
// capitals C0-DE (but D7, the multiplication sign), plus the three letters
// whose small forms sit elsewhere (8A, 8C, 8E).
unsigned char minuscola(unsigned char c);

}  // namespace scenario
