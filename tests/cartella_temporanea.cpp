#include "tests/cartella_temporanea.h"

#include "platform/cartella_temporanea.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace scenario::test {

std::filesystem::path percorso_fs(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

CartellaTemporanea::CartellaTemporanea(const std::string& prefisso) {
  static std::mt19937_64 generatore{std::random_device{}()};
  constexpr std::string_view kAlfabeto = "0123456789abcdefghijklmnopqrstuvwxyz";
  for (int tentativo = 0; tentativo < 100; ++tentativo) {
    // The system's own separator, so that the folder reads as the
    // system writes it (GetModuleFileNameW gives backslashes on Windows).
    std::string nome = cartella_temporanea_di_sistema() +
                       static_cast<char>(std::filesystem::path::preferred_separator) + prefisso;
    for (int i = 0; i < 6; ++i) nome += kAlfabeto[generatore() % kAlfabeto.size()];
    std::error_code errore;
    // Made only when the name is free, and readable by its owner only.
    if (std::filesystem::create_directory(percorso_fs(nome), errore)) {
      std::filesystem::permissions(percorso_fs(nome), std::filesystem::perms::owner_all, errore);
      percorso_ = nome;
      return;
    }
  }
  std::abort();
}

CartellaTemporanea::~CartellaTemporanea() {
  std::error_code ignora;
  std::filesystem::permissions(percorso_fs(percorso_), std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignora);
  std::filesystem::remove_all(percorso_fs(percorso_), ignora);
}

void CartellaTemporanea::scrivi(const std::string& nome, const std::string& contenuto) const {
  std::ofstream out(percorso_fs(file(nome)), std::ios::binary | std::ios::trunc);
  out << contenuto;
}

std::string CartellaTemporanea::leggi(const std::string& nome) const {
  std::ifstream in(percorso_fs(file(nome)), std::ios::binary);
  std::ostringstream testo;
  testo << in.rdbuf();
  return testo.str();
}

bool CartellaTemporanea::esiste(const std::string& nome) const {
  return std::filesystem::exists(percorso_fs(file(nome)));
}

}  // namespace scenario::test
