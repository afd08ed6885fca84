#include "content/lista_righe.h"

#include <cassert>

#include "platform/file_system.h"

namespace scenario {

ListaRighe::ListaRighe(std::span<const std::string_view> righe) {
  assert(righe.size() < kVoci);
  size_t i = 0;
  for (; i < righe.size() && i + 1 < kVoci; ++i) voci_[i] = std::string(righe[i]);
  voci_[i] = std::string(kMarcatore);
}

std::string ListaRighe::testo() const {
  size_t dimensione = 0;
  for (const std::string& voce : voci_) {
    if (voce == kMarcatore) break;
    dimensione += voce.size() + 2;
  }
  std::string out;
  out.reserve(dimensione);
  for (const std::string& voce : voci_) {
    if (voce == kMarcatore) break;
    out += voce;
    out += "\r\n";
  }
  return out;
}

Status scrivi_lista(const std::string& percorso, const ListaRighe& lista) {
  return sostituisci_file(percorso, lista.testo());
}

}  // namespace scenario
