#include "tests/cartella_temporanea.h"

#include "platform/cartella_temporanea.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace scenario::test {

CartellaTemporanea::CartellaTemporanea() {
  std::string modello = cartella_temporanea_di_sistema() + "/scenario-test-XXXXXX";
  std::vector<char> nome(modello.begin(), modello.end());
  nome.push_back('\0');
  if (::mkdtemp(nome.data()) == nullptr) std::abort();
  percorso_ = nome.data();
}

CartellaTemporanea::~CartellaTemporanea() {
  std::error_code ignora;
  std::filesystem::permissions(percorso_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignora);
  std::filesystem::remove_all(percorso_, ignora);
}

void CartellaTemporanea::scrivi(const std::string& nome, const std::string& contenuto) const {
  std::ofstream out(file(nome), std::ios::binary | std::ios::trunc);
  out << contenuto;
}

std::string CartellaTemporanea::leggi(const std::string& nome) const {
  std::ifstream in(file(nome), std::ios::binary);
  std::ostringstream testo;
  testo << in.rdbuf();
  return testo.str();
}

bool CartellaTemporanea::esiste(const std::string& nome) const {
  return std::filesystem::exists(file(nome));
}

}  // namespace scenario::test
