#include "verifica/tipi_diagnostica.h"

#include <string>

namespace scenario::tool {

std::string nome_tipo_guasto(int codice) { return "fault-" + std::to_string(codice); }

Diagnostica nuova_diagnostica(const TipoDiagnostica& tipo) {
  Diagnostica d;
  d.tipo = std::string(tipo.nome);
  d.gravita = tipo.gravita;
  return d;
}

Diagnostica nuova_diagnostica_guasto(int codice) {
  Diagnostica d;
  d.tipo = nome_tipo_guasto(codice);
  d.gravita = Gravita::kErrore;
  return d;
}

Diagnostica nuova_diagnostica_avviso(std::string_view nome) {
  const TipoDiagnostica* voce = cerca_tipo(nome);
  if (voce != nullptr) return nuova_diagnostica(*voce);
  Diagnostica d;
  d.tipo = std::string(nome);
  d.gravita = Gravita::kErrore;
  return d;
}

}  // namespace scenario::tool
