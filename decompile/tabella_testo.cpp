#include "decompile/tabella_testo.h"

#include <algorithm>

namespace scenario::decompila {

void TabellaTesto::voce(std::string chiave, std::vector<std::string> valori) {
  Riga r;
  r.voce = true;
  r.chiave = std::move(chiave);
  r.valori = std::move(valori);
  righe_.push_back(std::move(r));
}

void TabellaTesto::voce(std::string chiave, std::vector<std::string> valori, std::string testo, int blank) {
  Riga r;
  r.voce = true;
  r.chiave = std::move(chiave);
  r.valori = std::move(valori);
  r.ha_testo = true;
  r.testo = std::move(testo);
  r.blank = blank;
  righe_.push_back(std::move(r));
}

void TabellaTesto::riga(std::string testo) {
  Riga r;
  r.testo = std::move(testo);
  righe_.push_back(std::move(r));
}

std::string TabellaTesto::testo() const {
  size_t chiave = 0;
  std::vector<size_t> larghezze;
  for (const Riga& r : righe_) {
    if (!r.voce) continue;
    chiave = std::max(chiave, r.chiave.size());
    if (larghezze.size() < r.valori.size()) larghezze.resize(r.valori.size(), 0);
    for (size_t i = 0; i < r.valori.size(); ++i) larghezze[i] = std::max(larghezze[i], r.valori[i].size());
  }
  std::string out;
  for (const Riga& r : righe_) {
    if (!r.voce) {
      out += r.testo + "\r\n";
      continue;
    }
    // Blanks after the comma, not inside the key: the readers match keys by
    // what they contain, and a key is never read with trailing blanks.
    out += r.chiave + "," + std::string(chiave - r.chiave.size(), ' ');
    for (size_t i = 0; i < r.valori.size(); ++i) {
      if (i > 0) out += ",";
      out += "  " + std::string(larghezze[i] - r.valori[i].size(), ' ') + r.valori[i];
    }
    if (r.ha_testo) out += "," + std::string(static_cast<size_t>(r.blank), ' ') + r.testo;
    out += "\r\n";
  }
  return out;
}

std::string voce_sola(const std::string& chiave, const std::vector<std::string>& valori) {
  TabellaTesto t;
  t.voce(chiave, valori);
  return t.testo();
}

}  // namespace scenario::decompila
