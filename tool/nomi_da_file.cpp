#include "tool/nomi_da_file.h"

#include <filesystem>

#include "model/nomi_file.h"

namespace scenario::tool {
namespace {

// The names come from NomiFile alone: the part of a name that stands for the
// train number is found by building the name around a marker byte.
constexpr char kSegnaposto = '\x01';

std::string ultimo_componente(const std::string& percorso) {
  return std::filesystem::path(percorso).filename().string();
}

// The part of `nome` that a `modello` built around the marker puts in the
// marker's place; none when `nome` does not have the model's shape.
std::optional<std::string> al_posto_del_segnaposto(const std::string& nome, const std::string& modello) {
  const size_t segno = modello.find(kSegnaposto);
  const std::string prima = modello.substr(0, segno);
  const std::string dopo = modello.substr(segno + 1);
  if (nome.size() <= prima.size() + dopo.size() || !nome.starts_with(prima) || !nome.ends_with(dopo)) {
    return std::nullopt;
  }
  return nome.substr(prima.size(), nome.size() - prima.size() - dopo.size());
}

}  // namespace

std::optional<Identita> identita_dai_file(const std::string& linea, const std::string& treno) {
  const std::string nome_linea_file = ultimo_componente(linea);
  const std::string nome_treno_file = ultimo_componente(treno);
  const std::string segno(1, kSegnaposto);
  const std::optional<std::string> nome =
      al_posto_del_segnaposto(nome_linea_file, NomiFile("", segno, "").nome_descrizione_linea());
  if (!nome) return std::nullopt;
  const std::optional<std::string> numero =
      al_posto_del_segnaposto(nome_treno_file, NomiFile("", *nome, segno).nome_descrizione_treno());
  if (!numero) return std::nullopt;
  return Identita{*nome, *numero};
}

}  // namespace scenario::tool
