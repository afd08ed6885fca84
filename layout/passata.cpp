#include "layout/passata.h"

#include <algorithm>

#include "layout/passi_passata.h"
#include "model/stato.h"

namespace scenario {

int32_t ultima_cella_valida(const Compilatore& stato) {
  const auto ultima_nell_array = static_cast<int32_t>(stato.celle.size()) - 1;
  return std::min(stato.ultima_cella, ultima_nell_array);
}

bool libera(const Compilatore& stato, int32_t indice) {
  if (indice < 0 || indice > ultima_cella_valida(stato)) return false;
  return cella_libera(stato.celle[static_cast<size_t>(indice)]);
}

uint8_t tipo_di(const Compilatore& stato, int32_t indice) {
  if (indice < 0 || indice > ultima_cella_valida(stato)) return kLibera;
  return stato.celle[static_cast<size_t>(indice)].tipo;
}

void metti_marca(Compilatore& stato, int32_t indice) {
  Cella& cella = stato.celle.at(static_cast<size_t>(indice));
  cella.tipo = kAbbattimento;
  cella.valore_a = kValoreMarca;
}

// Cells 0, ultima_cella - 1 and ultima_cella are never visited; the bound is
// taken once, before any marker is placed.
void passata_layout(Compilatore& stato) {
  StatoPassata passata;
  const int32_t ultima_visitata = ultima_cella_valida(stato) - 2;
  for (passata.n = 1; passata.n <= ultima_visitata; ++passata.n) {
    const uint8_t tipo = tipo_di(stato, passata.n);
    if (tipo == kAvvisoRallentamento) {
      guarda_indietro(stato, passata);
    } else if (tipo == kInizioRallentamento) {
      tratta_rallentamento(stato, passata);
    }
  }
}

}  // namespace scenario
