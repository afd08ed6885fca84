#include "model/codici_errore.h"

namespace scenario {
namespace {

constexpr VoceErrore kCodici[] = {
#define SCENARIO_VOCE_ERRORE(nome, codice, testo) {nome, testo},
    SCENARIO_CODICI_ERRORE(SCENARIO_VOCE_ERRORE)
#undef SCENARIO_VOCE_ERRORE
};

}  // namespace

std::span<const VoceErrore> codici_errore() { return kCodici; }

std::string_view descrizione_errore(int32_t codice) {
  for (const VoceErrore& voce : kCodici) {
    if (voce.codice == codice) return voce.testo;
  }
  return N_("unknown code");
}

}  // namespace scenario
