#include "testi/citazione.h"

#include <algorithm>
#include <cstdio>

#include "testi/windows_1252.h"

namespace scenario::tool {
namespace {

// Bytes of a quoted line shown at most, and how many of them before the field
// when the line has to be cut.
constexpr size_t kFinestra = 100;
constexpr size_t kPrimaDelCampo = 40;
constexpr std::string_view kPuntini = "\xE2\x80\xA6";  // U+2026, one column wide

// Whether a character is one the terminal acts on instead of showing: the
// C0 controls, DEL and the C1 controls (U+0080 to U+009F; ESC [ has a one-byte
// form there, U+009B).
bool di_controllo(uint32_t carattere) { return carattere < 0x20 || (carattere >= 0x7F && carattere < 0xA0); }

void aggiungi_escape(unsigned char b, std::string* out) {
  char esc[8];
  std::snprintf(esc, sizeof esc, "\\x%02x", b);
  *out += esc;
}

// One byte of an 8-bit text as the terminal shows it; the number of columns it
// takes. The bytes Windows-1252 leaves undefined are escaped with the controls.
size_t aggiungi_byte(unsigned char b, std::string* out) {
  const uint32_t carattere = da_1252(b);
  if (di_controllo(carattere) || carattere == 0) {
    aggiungi_escape(b, out);
    return 4;
  }
  aggiungi_utf8(carattere, out);
  return 1;
}

}  // namespace

std::string testo_visibile(std::string_view testo) {
  std::string out;
  out.reserve(testo.size());
  for (char c : testo) aggiungi_byte(static_cast<unsigned char>(c), &out);
  return out;
}

std::string percorso_visibile(std::string_view percorso) {
  std::string out;
  out.reserve(percorso.size());
  for (size_t i = 0; i < percorso.size();) {
    uint32_t carattere = 0;
    const size_t lunghezza = leggi_utf8(percorso, i, &carattere);
    if (lunghezza == 0 || di_controllo(carattere)) {
      // A byte that is not UTF-8, or every byte of a control character.
      const size_t fine = i + std::max<size_t>(lunghezza, 1);
      for (; i < fine; ++i) aggiungi_escape(static_cast<unsigned char>(percorso[i]), &out);
      continue;
    }
    out.append(percorso.substr(i, lunghezza));
    i += lunghezza;
  }
  return out;
}

IndiceRighe::IndiceRighe(std::string_view testo) : testo_(testo) {
  inizi_.push_back(0);
  for (size_t i = 0; i < testo.size(); ++i) {
    if (testo[i] == '\r' && i + 1 < testo.size() && testo[i + 1] == '\n') ++i;
    if ((testo[i] == '\r' || testo[i] == '\n') && i + 1 < testo.size()) inizi_.push_back(i + 1);
  }
}

std::string_view IndiceRighe::riga(int numero) const {
  if (numero < 1 || static_cast<size_t>(numero) > inizi_.size()) return {};
  const size_t inizio = inizi_[static_cast<size_t>(numero) - 1];
  size_t fine = inizio;
  while (fine < testo_.size() && testo_[fine] != '\r' && testo_[fine] != '\n') ++fine;
  return testo_.substr(inizio, fine - inizio);
}

std::pair<int, size_t> IndiceRighe::posizione(size_t offset) const {
  const auto dopo = std::upper_bound(inizi_.begin(), inizi_.end(), offset);
  const auto riga = static_cast<size_t>(dopo - inizi_.begin());
  return {static_cast<int>(riga), offset - inizi_[riga - 1] + 1};
}

std::string cita_riga(std::string_view riga, size_t colonna, size_t larghezza) {
  // The field's bytes, counted from 0; a column past the end points just after it.
  const size_t campo = colonna > 0 ? colonna - 1 : 0;
  size_t da = 0;
  size_t a = riga.size();
  if (riga.size() > kFinestra) {
    da = campo > kPrimaDelCampo ? std::min(campo - kPrimaDelCampo, riga.size() - kFinestra) : 0;
    a = da + kFinestra;
  }
  std::string citata = " ";
  std::string sotto = " ";
  if (da > 0) {
    citata += kPuntini;
    sotto += ' ';
  }
  for (size_t i = da; i < a; ++i) {
    const size_t colonne = aggiungi_byte(static_cast<unsigned char>(riga[i]), &citata);
    if (colonna == 0 || i < campo) {
      sotto.append(colonne, ' ');
    } else if (i < campo + std::max<size_t>(larghezza, 1)) {
      sotto += i == campo ? "^" : "~";
      sotto.append(colonne - 1, '~');
    }
  }
  if (a < riga.size()) citata += kPuntini;
  // A field at the end of the line (an entry cut short) gets its caret just after it.
  if (colonna > 0 && campo >= a) sotto += '^';
  citata += '\n';
  if (colonna == 0) return citata;
  while (!sotto.empty() && sotto.back() == ' ') sotto.pop_back();
  return citata + sotto + '\n';
}

}  // namespace scenario::tool
