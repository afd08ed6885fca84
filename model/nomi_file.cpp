#include "model/nomi_file.h"

#include <utility>

namespace scenario {

std::string unisci_percorso(const std::string& cartella, const std::string& nome) {
  return cartella + "/" + nome;
}

NomiFile::NomiFile(std::string cartella, std::string nome_linea, std::string numero_treno)
    : cartella_(std::move(cartella)), linea_(std::move(nome_linea)), treno_(std::move(numero_treno)) {}

}  // namespace scenario
