#include "verifica/righe_in_ordine.h"

namespace scenario::tool {

size_t RigheInOrdine::fine_di(size_t inizio) const {
  size_t fine = inizio;
  while (fine < testo_.size() && testo_[fine] != '\r' && testo_[fine] != '\n') ++fine;
  return fine;
}

std::string_view RigheInOrdine::riga(int numero) {
  if (numero < 1) return {};
  if (numero < numero_) {
    numero_ = 1;
    inizio_ = 0;
  }
  while (numero_ < numero) {
    // A line end (CR LF, LF or a lone CR) opens a line only when a byte follows it.
    size_t fine = fine_di(inizio_);
    if (fine >= testo_.size()) return {};
    if (testo_[fine] == '\r' && fine + 1 < testo_.size() && testo_[fine + 1] == '\n') ++fine;
    if (fine + 1 >= testo_.size()) return {};
    inizio_ = fine + 1;
    ++numero_;
  }
  return testo_.substr(inizio_, fine_di(inizio_) - inizio_);
}

}  // namespace scenario::tool
