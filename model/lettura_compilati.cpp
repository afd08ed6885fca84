#include "model/lettura_compilati.h"

#include <cstdint>

#include "platform/file_system.h"

namespace scenario {

LetturaCompilato leggi_compilato(const std::string& percorso, TipoCompilato tipo, std::string* dati) {
  bool troppo_grande = false;
  uint64_t dimensione = 0;
  const Status s = leggi_file_limitato(percorso, dimensione_massima(tipo), dati, &troppo_grande, &dimensione);
  if (!s.ok()) return {LetturaCompilato::Esito::kIlleggibile, s.messaggio()};
  const std::string perche = dimensione_non_valida(tipo, dimensione);
  if (!perche.empty()) {
    dati->clear();
    return {LetturaCompilato::Esito::kNonValido, perche};
  }
  return {};
}

}  // namespace scenario
