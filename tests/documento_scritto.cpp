#include "tests/documento_scritto.h"

#include "content/lista_righe.h"
#include "model/scenario.h"

namespace scenario::test {

NomiFile nomi_documenti(const std::string& cartella, const std::string& nome_linea,
                        const std::string& numero_treno) {
  return NomiFile(cartella, nome_linea, numero_treno);
}

Compilatore stato_scenario() {
  Compilatore stato;
  stato.nome_linea = std::string(kNomeLinea);
  stato.numero_treno = std::string(kNumeroTreno);
  return stato;
}

::testing::AssertionResult dividi_righe(const std::string& testo, std::vector<std::string>* righe) {
  righe->clear();
  size_t inizio = 0;
  while (inizio < testo.size()) {
    const size_t fine = testo.find("\r\n", inizio);
    if (fine == std::string::npos) {
      return ::testing::AssertionFailure() << "line " << righe->size() + 1 << " has no CR LF";
    }
    std::string riga = testo.substr(inizio, fine - inizio);
    if (riga.find_first_of("\r\n") != std::string::npos) {
      return ::testing::AssertionFailure() << "stray CR or LF in line " << righe->size() + 1;
    }
    if (riga == ListaRighe::kMarcatore) {
      return ::testing::AssertionFailure() << "end marker written as line " << righe->size() + 1;
    }
    righe->push_back(std::move(riga));
    inizio = fine + 2;
  }
  return ::testing::AssertionSuccess();
}

}  // namespace scenario::test
