#include "model/codici_gara.h"

namespace scenario {
namespace {

constexpr std::string_view kRiempitivo = "mmnnppqqrrssttuuvvzzbbccdd";
constexpr size_t kCaratteriChiave = 25;

}  // namespace

unsigned char minuscola(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  if (c == 0x8A || c == 0x8C || c == 0x8E) return static_cast<unsigned char>(c + 16);
  if (c == 0x9F) return 0xFF;
  return c;
}

std::string chiave_identita(std::string_view numero_treno, std::string_view nome_linea) {
  std::string chiave;
  chiave.reserve(numero_treno.size() + nome_linea.size() + kRiempitivo.size());
  for (char c : numero_treno) chiave.push_back(static_cast<char>(minuscola(static_cast<unsigned char>(c))));
  for (char c : nome_linea) chiave.push_back(static_cast<char>(minuscola(static_cast<unsigned char>(c))));
  chiave.append(kRiempitivo);
  chiave.resize(kCaratteriChiave);
  return chiave;
}

int32_t codice_gara_st(const Elementi& elementi) {
  const std::string chiave = chiave_identita(elementi[kRigaTreno].testo, elementi[kRigaLinea].testo);
  int32_t somma = 0;
  for (size_t i = 0; i < chiave.size(); ++i) {
    somma += static_cast<int32_t>(static_cast<unsigned char>(chiave[i])) * static_cast<int32_t>(i + 1);
  }
  return somma;
}

int16_t codice_gara_og(const Elementi& elementi) {
  const std::string chiave = chiave_identita(elementi[kRigaTreno].testo, elementi[kRigaLinea].testo);
  int32_t somma = 0;
  for (char c : chiave) somma += static_cast<unsigned char>(c);
  return static_cast<int16_t>(somma);  // at most 25 x 255 = 6375
}

}  // namespace scenario
