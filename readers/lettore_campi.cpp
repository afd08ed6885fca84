#include "readers/lettore_campi.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "model/codici_gara.h"

namespace scenario {

void LettoreCampi::salta_blank() {
  while (pos_ < testo_.size() && blank(testo_[pos_])) ++pos_;
}

void LettoreCampi::consuma_separatore() {
  if (pos_ >= testo_.size()) return;
  const char c = testo_[pos_];
  if (c == ',') {
    ++pos_;
  } else if (c == '\r') {
    ++pos_;
    if (pos_ < testo_.size() && testo_[pos_] == '\n') ++pos_;
    ++riga_;
    inizio_riga_ = pos_;
  } else if (c == '\n') {
    ++pos_;
    ++riga_;
    inizio_riga_ = pos_;
  }
}

void LettoreCampi::segna_fine() {
  // Line ends at the very end of the text close lines; they open none.
  size_t fine = testo_.size();
  int righe_chiuse = 0;
  while (fine > 0 && fine_riga(testo_[fine - 1])) {
    const bool crlf = fine >= 2 && testo_[fine - 2] == '\r' && testo_[fine - 1] == '\n';
    fine -= crlf ? 2 : 1;
    ++righe_chiuse;
  }
  size_t inizio = fine;
  while (inizio > 0 && !fine_riga(testo_[inizio - 1])) --inizio;
  riga_campo_ = std::max(riga_ - righe_chiuse, 1);
  colonna_campo_ = static_cast<int>(fine - inizio) + 1;
  inizio_campo_ = fine_campo_ = testo_.size();
}

void LettoreCampi::inizia_campo() {
  salta_blank();
  riga_campo_ = riga_;
  colonna_campo_ = static_cast<int>(pos_ - inizio_riga_) + 1;
}

Lettura LettoreCampi::leggi_testo(std::string* campo) {
  campo->clear();
  if (finito()) {
    segna_fine();
    return Lettura::kFineFile;
  }
  inizia_campo();
  const size_t inizio = pos_;
  while (pos_ < testo_.size() && testo_[pos_] != ',' && !fine_riga(testo_[pos_])) ++pos_;
  size_t fine = pos_;
  while (fine > inizio && blank(testo_[fine - 1])) --fine;
  campo->assign(testo_.substr(inizio, fine - inizio));
  inizio_campo_ = inizio;
  fine_campo_ = fine;
  consuma_separatore();
  return Lettura::kOk;
}

Lettura LettoreCampi::leggi_numero(int32_t* valore) {
  if (finito()) {
    segna_fine();
    return Lettura::kFineFile;
  }
  inizia_campo();
  const size_t inizio = pos_;
  while (pos_ < testo_.size() && testo_[pos_] != ',' && !fine_riga(testo_[pos_]) && !blank(testo_[pos_])) ++pos_;
  const std::string_view cifre(testo_.data() + inizio, pos_ - inizio);
  inizio_campo_ = inizio;
  fine_campo_ = pos_;
  if (pos_ < testo_.size() && blank(testo_[pos_])) salta_blank();
  consuma_separatore();

  if (cifre.empty()) {
    *valore = 0;
    return Lettura::kOk;
  }
  // from_chars takes a leading minus but no plus sign, and must use up the
  // whole field: "12a", "1.5" and "-" are not numbers.
  int32_t numero = 0;
  const auto [fine, errore] = std::from_chars(cifre.data(), cifre.data() + cifre.size(), numero);
  if (errore != std::errc() || fine != cifre.data() + cifre.size()) return Lettura::kNonValido;
  *valore = numero;
  return Lettura::kOk;
}

bool contiene(std::string_view campo, std::string_view parola) {
  return campo.find(parola) != std::string_view::npos;
}

bool contiene_senza_maiuscole(std::string_view campo, std::string_view parola) {
  if (parola.empty()) return true;
  if (parola.size() > campo.size()) return false;
  for (size_t i = 0; i + parola.size() <= campo.size(); ++i) {
    size_t j = 0;
    while (j < parola.size() && minuscola(static_cast<unsigned char>(campo[i + j])) ==
                                    minuscola(static_cast<unsigned char>(parola[j]))) {
      ++j;
    }
    if (j == parola.size()) return true;
  }
  return false;
}

}  // namespace scenario
