#include "platform/file_a_pezzi.h"

#include <algorithm>
#include <cstring>

namespace scenario {

FileAPezzi::~FileAPezzi() { chiudi(); }

void FileAPezzi::ricomincia(const std::string& percorso, bool* troppo_grande) {
  chiudi();
  percorso_ = percorso;
  intero_.clear();
  dimensione_ = 0;
  errore_ = Status::Ok();
  *troppo_grande = false;
}

size_t FileAPezzi::leggi(uint64_t posizione, char* dove, size_t quanti) {
  if (posizione >= dimensione_ || !errore_.ok()) return 0;
  quanti = static_cast<size_t>(std::min<uint64_t>(quanti, dimensione_ - posizione));
  if (maniglia_ != -1) return leggi_dal_sistema(posizione, dove, quanti);
  std::memcpy(dove, intero_.data() + posizione, quanti);
  return quanti;
}

}  // namespace scenario
