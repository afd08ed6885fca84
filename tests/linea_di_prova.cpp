#include "tests/linea_di_prova.h"

#include <gtest/gtest.h>

#include "model/nomi_file.h"
#include "model/scenario.h"
#include "readers/linea_lettore.h"

namespace scenario::test {

LineaDiProva::LineaDiProva() {
  stato.nome_linea = std::string(kNomeLinea);
  stato.numero_treno = std::string(kNumeroTreno);
  stato.azzera(1);
}

std::string LineaDiProva::nome_file() const {
  return NomiFile("", stato.nome_linea, stato.numero_treno).nome_descrizione_linea();
}

bool LineaDiProva::leggi(const std::string& testo) { return leggi_testo_linea(stato, nome_file(), testo); }

void dritta_lungo_y(const Tracciato& tracciato, size_t da, size_t a) {
  for (size_t c = da; c <= a; ++c) {
    ASSERT_EQ(tracciato.x[c].tag, TagPunto::kReale) << c;
    ASSERT_EQ(tracciato.y[c].tag, TagPunto::kReale) << c;
    ASSERT_EQ(bit(tracciato.x[c].reale), bit(0.0)) << c;
    ASSERT_EQ(bit(tracciato.y[c].reale), bit(static_cast<double>(c))) << c;
  }
}

std::string righe(std::initializer_list<const char*> righe) {
  std::string testo;
  for (const char* riga : righe) {
    testo += riga;
    testo += "\r\n";
  }
  return testo;
}

std::string generale(int lunghezza) {
  return "[generale]\r\nlunghezza percorso,  " + std::to_string(lunghezza) + "\r\n[curve]\r\n";
}

std::string descrizione(std::initializer_list<const char*> oggetti, int lunghezza) {
  return generale(lunghezza) + righe(oggetti) + "[fine]\r\n";
}

}  // namespace scenario::test
