#include "compilati/lettura_compilati.h"

#include <cstdint>
#include <utility>

#include "platform/file_system.h"

namespace scenario {

LetturaCompilato leggi_compilato(const std::string& percorso, TipoCompilato tipo, std::string* dati) {
  bool troppo_grande = false;
  uint64_t dimensione = 0;
  const Status s = leggi_file_limitato(percorso, dimensione_massima(tipo), dati, &troppo_grande, &dimensione);
  if (!s.ok()) return {LetturaCompilato::Esito::kIlleggibile, s.testo()};
  std::optional<Testo> perche = dimensione_non_valida(tipo, dimensione);
  if (perche) {
    dati->clear();
    return {LetturaCompilato::Esito::kNonValido, std::move(*perche)};
  }
  return {};
}

LetturaCompilato apri_compilato(const std::string& percorso, TipoCompilato tipo, FileAPezzi* file) {
  bool troppo_grande = false;
  const Status s = file->apri(percorso, dimensione_massima(tipo), &troppo_grande);
  if (!s.ok()) return {LetturaCompilato::Esito::kIlleggibile, s.testo()};
  if (std::optional<Testo> perche = dimensione_non_valida(tipo, file->dimensione())) {
    return {LetturaCompilato::Esito::kNonValido, std::move(*perche)};
  }
  return {};
}

}  // namespace scenario
