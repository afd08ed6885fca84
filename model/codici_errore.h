// Every fault code of the compiler, defined once with its meaning.
#pragma once

#include <cstdint>
#include <string_view>

namespace scenario {

struct CodiceErrore {
  int32_t codice;
  bool con_posizione;     // whether posizione_errore says where the fault lies
  std::string_view testo; // short plain description, for the report
};

// The code's entry, or nullptr for a code the compiler never records.
const CodiceErrore* cerca_codice_errore(int32_t codice);

// A short description of the code ("codice sconosciuto" when unknown).
std::string_view descrizione_errore(int32_t codice);

// Fatal codes of the reserved-slot checks.
constexpr int32_t kErroreSlotIntero = 1250;
constexpr int32_t kErroreSlotCodice = 1251;

}  // namespace scenario
