// The tool's messages on Windows, where no gettext runtime is at hand: they
// stay in English.
#include "platform/traduzione.h"

namespace scenario::tool {

void inizializza_traduzioni() {}

std::string traduci(std::string_view testo) { return std::string(testo); }

std::string nella_lingua(const Testo& testo) { return componi(traduci(testo.modello), testo.valori); }

}  // namespace scenario::tool
