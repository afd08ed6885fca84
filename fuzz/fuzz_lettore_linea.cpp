// Fuzz target: the line reader alone, any bytes as the line description, read
// from memory.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/banco.h"
#include "readers/linea_lettore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
  using namespace scenario;
  Compilatore stato = fuzz::stato_nuovo();
  leggi_testo_linea(stato, "linea.txt", std::string(fuzz::come_testo(dati, dimensione)));
  fuzz::controlla_modello(stato);
  return 0;
}
