#include "model/nomi_file.h"

#include <filesystem>
#include <string_view>
#include <utility>

namespace scenario {
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

constexpr std::string_view kEstensioneTabella = ".sim";

}  // namespace

std::string unisci_percorso(const std::string& cartella, const std::string& nome) {
  return cartella + "/" + nome;
}

NomiFile::NomiFile(std::string cartella, std::string nome_linea, std::string numero_treno)
    : cartella_(std::move(cartella)), linea_(std::move(nome_linea)), treno_(std::move(numero_treno)) {}

std::vector<std::string> NomiFile::nomi_compilati(bool tracciato) const {
  std::vector<std::string> elenco;
  if (tracciato) elenco.push_back(nome_tracciato());
  elenco.push_back(nome_tabella());
  elenco.push_back(nome_celle());
  return elenco;
}

std::optional<IdentitaScenario> identita_da_descrizioni(const std::string& linea, const std::string& treno) {
  const std::string nome_linea_file = ultimo_componente(linea);
  const std::string nome_treno_file = ultimo_componente(treno);
  const std::string segno(1, kSegnaposto);
  const std::optional<std::string> nome =
      al_posto_del_segnaposto(nome_linea_file, NomiFile("", segno, "").nome_descrizione_linea());
  if (!nome) return std::nullopt;
  const std::optional<std::string> numero =
      al_posto_del_segnaposto(nome_treno_file, NomiFile("", *nome, segno).nome_descrizione_treno());
  if (!numero) return std::nullopt;
  return IdentitaScenario{*nome, *numero};
}

// NAME_NUM.sim split at its last underscore: a line name may hold
// underscores, a train number does not.
std::optional<IdentitaScenario> identita_da_tabella(const std::string& nome) {
  if (nome.size() <= kEstensioneTabella.size() || !nome.ends_with(kEstensioneTabella)) return std::nullopt;
  const std::string base = nome.substr(0, nome.size() - kEstensioneTabella.size());
  const size_t trattino = base.rfind('_');
  if (trattino == std::string::npos || trattino == 0 || trattino + 1 == base.size()) return std::nullopt;
  return IdentitaScenario{.nome_linea = base.substr(0, trattino), .numero_treno = base.substr(trattino + 1)};
}

}  // namespace scenario
