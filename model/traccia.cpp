#include "model/traccia.h"

namespace scenario {

Traccia& Traccia::operator=(const Traccia& altra) {
  if (this == &altra) return *this;
  static_cast<StatoTraccia&>(*this) = altra;
  voci = altra.voci;
  nomi = altra.nomi;
  // The views point into the other record's names: the same name in this
  // one's list takes their place.
  const auto qui = [&](std::string_view nome) -> std::string_view {
    for (size_t i = 0; i < altra.nomi.size(); ++i) {
      if (nome.data() == altra.nomi[i].data()) return nomi[i];
    }
    return nome;
  };
  for (VoceLetta& v : voci) v.file = qui(v.file);
  file_troncata = qui(file_troncata);
  oltre.file = qui(oltre.file);
  return *this;
}

void Traccia::torna(const Segno& s) {
  if (voci.size() > s.voci) voci.erase(voci.begin() + static_cast<std::ptrdiff_t>(s.voci), voci.end());
  while (nomi.size() > s.nomi) nomi.pop_back();
  static_cast<StatoTraccia&>(*this) = s.stato;
}

}  // namespace scenario
