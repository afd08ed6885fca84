#include "lsp/righe.h"

namespace scenario::lsp {
namespace {

// The length of the UTF-8 sequence starting at `i`, and its UTF-16 units;
// a byte that starts none is one byte, one unit.
std::pair<size_t, size_t> sequenza(std::string_view s, size_t i) {
  const auto b = static_cast<unsigned char>(s[i]);
  size_t n = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 1;
  if (i + n > s.size()) return {1, 1};
  for (size_t k = 1; k < n; ++k) {
    if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return {1, 1};
  }
  return {n, n == 4 ? 2 : 1};
}

}  // namespace

Righe::Righe(std::string_view testo) : testo_(testo) {
  inizi_.push_back(0);
  for (size_t i = 0; i < testo.size(); ++i) {
    if (testo[i] == '\n') inizi_.push_back(i + 1);
  }
}

std::string_view Righe::riga(size_t n) const {
  if (n >= inizi_.size()) return {};
  const size_t da = inizi_[n];
  size_t a = n + 1 < inizi_.size() ? inizi_[n + 1] - 1 : testo_.size();
  if (a > da && testo_[a - 1] == '\r') --a;
  return testo_.substr(da, a - da);
}

size_t unita_utf16(std::string_view riga, size_t byte) {
  size_t unita = 0;
  for (size_t i = 0; i < riga.size() && i < byte;) {
    const auto [lunghezza, u] = sequenza(riga, i);
    i += lunghezza;
    unita += u;
  }
  return unita;
}

size_t byte_di_unita(std::string_view riga, size_t unita) {
  size_t i = 0;
  for (size_t u = 0; i < riga.size();) {
    const auto [lunghezza, quante] = sequenza(riga, i);
    if (u + quante > unita) break;
    u += quante;
    i += lunghezza;
  }
  return i;
}

size_t byte_di_carattere(std::string_view riga, size_t caratteri) {
  size_t i = 0;
  for (size_t c = 0; i < riga.size() && c < caratteri; ++c) i += sequenza(riga, i).first;
  return i;
}

std::vector<CampoRiga> campi_riga(std::string_view riga) {
  std::vector<CampoRiga> out;
  size_t i = 0;
  while (true) {
    while (i < riga.size() && (riga[i] == ' ' || riga[i] == '\t')) ++i;
    size_t fine = riga.find(',', i);
    if (fine == std::string_view::npos) fine = riga.size();
    out.push_back({i, fine, riga.substr(i, fine - i)});
    if (fine >= riga.size()) break;
    i = fine + 1;
  }
  return out;
}

bool riga_commento(std::string_view riga) {
  const std::vector<CampoRiga> c = campi_riga(riga);
  return c[0].testo.find('-') != std::string_view::npos;
}

bool riga_titolo(std::string_view riga) {
  const std::string_view primo = campi_riga(riga)[0].testo;
  return !riga_commento(riga) && primo.find('[') != std::string_view::npos &&
         primo.find(']') != std::string_view::npos;
}

}  // namespace scenario::lsp
