#include "platform/nomi_temporanei.h"

#include <functional>
#include <random>

#include "platform/file_system.h"

namespace scenario {
namespace {

std::function<bool(const std::string&)>& guasto_scrittura() {
  static std::function<bool(const std::string&)> guasto;
  return guasto;
}

std::function<bool(const std::string&)>& guasto_rinomina() {
  static std::function<bool(const std::string&)> guasto;
  return guasto;
}

bool alfanumerico(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

}  // namespace

std::pair<std::string, std::string> dividi_percorso(const std::string& percorso, std::string_view separatori) {
  const size_t barra = percorso.find_last_of(separatori);
  if (barra == std::string::npos) return {".", percorso};
  return {percorso.substr(0, barra + 1), percorso.substr(barra + 1)};
}

std::string_view nome_nel_temporaneo(std::string_view nome) {
  constexpr size_t kAggiunta = 1 + kSuffissoTemporaneo.size() + kCaratteriCasuali;
  if (nome.size() + kAggiunta <= kMassimoNomeFile) return nome;
  size_t lunghezza = kMassimoNomeFile - kAggiunta;
  // Never ends inside a character of a UTF-8 name: a Windows name is made
  // from it, and a broken character would not convert.
  while (lunghezza > 0 && (static_cast<unsigned char>(nome[lunghezza]) & 0xC0) == 0x80) --lunghezza;
  return nome.substr(0, lunghezza);
}

std::string modello_temporaneo(std::string_view nome) {
  return "." + std::string(nome_nel_temporaneo(nome)) + std::string(kSuffissoTemporaneo) +
         std::string(kCaratteriCasuali, 'X');
}

std::string caratteri_casuali() {
  static std::mt19937_64 generatore{std::random_device{}()};
  static constexpr std::string_view kAlfabeto = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
  std::string caratteri;
  for (size_t i = 0; i < kCaratteriCasuali; ++i) caratteri += kAlfabeto[generatore() % kAlfabeto.size()];
  return caratteri;
}

bool temporaneo_di(std::string_view voce, std::string_view nome) {
  nome = nome_nel_temporaneo(nome);
  if (voce.size() != 1 + nome.size() + kSuffissoTemporaneo.size() + kCaratteriCasuali || voce.front() != '.') {
    return false;
  }
  voce.remove_prefix(1);
  if (voce.substr(0, nome.size()) != nome) return false;
  voce.remove_prefix(nome.size());
  if (voce.substr(0, kSuffissoTemporaneo.size()) != kSuffissoTemporaneo) return false;
  voce.remove_prefix(kSuffissoTemporaneo.size());
  for (char c : voce) {
    if (!alfanumerico(c)) return false;
  }
  return true;
}

void imposta_guasto_scrittura(std::function<bool(const std::string&)> guasto) {
  guasto_scrittura() = std::move(guasto);
}

void imposta_guasto_rinomina(std::function<bool(const std::string&)> guasto) {
  guasto_rinomina() = std::move(guasto);
}

bool guasto_simulato(const std::string& percorso) { return guasto_scrittura() && guasto_scrittura()(percorso); }

namespace {
bool collegamenti_rifiutati = false;
}  // namespace

void imposta_collegamenti_rifiutati(bool rifiutati) { collegamenti_rifiutati = rifiutati; }

bool collegamenti_rifiutati_simulati() { return collegamenti_rifiutati; }

bool guasto_rinomina_simulato(const std::string& percorso) {
  return guasto_rinomina() && guasto_rinomina()(percorso);
}

}  // namespace scenario
