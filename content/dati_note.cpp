#include <array>

#include "content/documenti.h"
#include "content/lista_righe.h"
#include "driver/nomi_file.h"
#include "model/stato.h"

namespace scenario {
namespace {

constexpr std::array<std::string_view, 0> kRighe{};

}  // namespace

std::span<const std::string_view> righe_note() { return kRighe; }

Status dati_note(const Compilatore& stato) {
  const NomiFile nomi(stato.cartella, stato.nome_linea, stato.numero_treno);
  return scrivi_lista(nomi.note(), ListaRighe(righe_note()));
}

}  // namespace scenario
