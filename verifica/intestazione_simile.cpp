#include "verifica/intestazione_simile.h"

#include "readers/lettore_campi.h"
#include "verifica/distanza_chiavi.h"
#include "verifica/scorri_righe.h"

namespace scenario::tool {
namespace {

constexpr std::string_view kGenerale = "generale";
// A heading is a short field: a longer one is text that happens to hold a bracket.
constexpr size_t kIntestazioneMassima = 40;

}  // namespace

std::optional<IntestazioneSimile> generale_simile(std::string_view testo) {
  ScorriRighe righe(testo);
  std::string_view linea;
  for (int riga = 1; righe.prossima(&linea); ++riga) {
    const size_t primo = linea.find_first_not_of(" \t");
    if (primo != std::string_view::npos && linea[primo] == '[') {
      std::string_view campo = linea.substr(primo, linea.find(',', primo) - primo);
      while (!campo.empty() && (campo.back() == ' ' || campo.back() == '\t')) campo.remove_suffix(1);
      if (campo.size() <= kIntestazioneMassima && !contiene_senza_maiuscole(campo, kGenerale) &&
          distanza_in(campo, kGenerale, false) <= distanza_ammessa(kGenerale)) {
        return IntestazioneSimile{riga, primo + 1, campo.size(), std::string(campo)};
      }
    }
  }
  return std::nullopt;
}

}  // namespace scenario::tool
