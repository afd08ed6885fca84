#include "tests/linea_di_prova.h"

#include "model/nomi_file.h"
#include "model/scenario.h"
#include "readers/memorizza_dati.h"

namespace scenario::test {

LineaDiProva::LineaDiProva() : nomi(cartella.percorso(), std::string(kNomeLinea), std::string(kNumeroTreno)) {
  stato.nome_linea = std::string(kNomeLinea);
  stato.numero_treno = std::string(kNumeroTreno);
  stato.azzera(1);
}

std::string LineaDiProva::nome_file() const { return nomi.nome_descrizione_linea(); }

void LineaDiProva::scrivi(const std::string& testo) const { cartella.scrivi(nome_file(), testo); }

bool LineaDiProva::leggi() { return memorizza_linea(stato, nomi); }

bool LineaDiProva::leggi(const std::string& testo) {
  scrivi(testo);
  return leggi();
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
