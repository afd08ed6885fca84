#include "readers/lettura_treno.h"

#include <limits>
#include <utility>

#include "model/stato.h"
#include "readers/posizioni.h"

namespace scenario {

LetturaTreno::LetturaTreno(Compilatore& s, std::string testo_file, std::string nome_file)
    : stato(s), lettore(std::move(testo_file)), nome_file_(std::move(nome_file)) {}

void LetturaTreno::attribuisci() {
  stato.file_corrente = nome_file_;
  stato.riga_corrente = lettore.riga();
}

void LetturaTreno::registra(int32_t codice) {
  attribuisci();
  stato.registra(codice);
}

void LetturaTreno::registra(int32_t codice, int32_t posizione) {
  attribuisci();
  stato.registra(codice, posizione);
}

void LetturaTreno::avverti(std::string_view modello, std::vector<std::string> valori) {
  attribuisci();
  stato.avverti(modello, std::move(valori));
}

bool LetturaTreno::numero(int32_t* valore) {
  if (lettore.leggi_numero(valore) == Lettura::kOk) return true;
  registra(25);
  return false;
}

bool LetturaTreno::numero(int16_t* valore) {
  int32_t letto = 0;
  if (!numero(&letto)) return false;
  if (letto < std::numeric_limits<int16_t>::min() || letto > std::numeric_limits<int16_t>::max()) {
    registra(25);
    return false;
  }
  *valore = static_cast<int16_t>(letto);
  return true;
}

bool LetturaTreno::numero(uint8_t* valore) {
  int32_t letto = 0;
  if (!numero(&letto)) return false;
  if (letto < 0 || letto > std::numeric_limits<uint8_t>::max()) {
    registra(25);
    return false;
  }
  *valore = static_cast<uint8_t>(letto);
  return true;
}

bool LetturaTreno::testo(std::string* valore) {
  if (lettore.leggi_testo(valore) == Lettura::kOk) return true;
  registra(25);
  return false;
}

EsitoTreno LetturaTreno::controlla_posizione(int32_t posizione, int32_t margine) {
  if (!oltre_le_celle(stato, posizione, margine)) return EsitoTreno::kContinua;
  registra(15, posizione);
  return EsitoTreno::kChiusura;
}

}  // namespace scenario
