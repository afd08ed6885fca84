#include "tests/linea_di_prova.h"

#include "driver/nomi_file.h"
#include "driver/scenario.h"
#include "readers/lettore_linea.h"

namespace scenario::test {

LineaDiProva::LineaDiProva() {
  stato.cartella = cartella.percorso();
  stato.nome_linea = std::string(kNomeLinea);
  stato.numero_treno = std::string(kNumeroTreno);
  stato.genera_tracciato = 1;
}

std::string LineaDiProva::nome_file() const {
  return NomiFile(stato.cartella, stato.nome_linea, stato.numero_treno).nome_descrizione_linea();
}

void LineaDiProva::scrivi(const std::string& testo) const { cartella.scrivi(nome_file(), testo); }

bool LineaDiProva::leggi() { return leggi_descrizione_linea(stato); }

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
