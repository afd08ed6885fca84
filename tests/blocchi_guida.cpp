#include "tests/blocchi_guida.h"

#include <sstream>

namespace scenario::test {

std::vector<Blocco> blocchi_descrizione(const std::string& guida) {
  std::vector<Blocco> blocchi;
  std::istringstream in(guida);
  std::string riga;
  size_t posizione = 0;
  int numero = 0;
  Blocco* aperto = nullptr;
  Blocco scartato;
  while (std::getline(in, riga)) {
    posizione += riga.size() + 1;
    ++numero;
    if (riga.rfind("```", 0) != 0) {
      if (aperto != nullptr) aperto->testo += riga + "\n";
      continue;
    }
    if (aperto != nullptr) {
      aperto->fine = posizione;
      aperto = nullptr;
      continue;
    }
    const std::string info = riga.substr(3);
    const std::string tipo = info.substr(0, info.find(' '));
    if (tipo == "linea" || tipo == "treno") {
      const size_t spazio = info.find(' ');
      blocchi.push_back({tipo, spazio == std::string::npos ? "" : info.substr(spazio + 1), "", 0, numero});
      aperto = &blocchi.back();
    } else {
      aperto = &scartato;  // another kind of block: its fences still pair up
    }
  }
  return blocchi;
}

std::string linea_di(const Blocco& b) {
  if (b.testo.find("[generale]") != std::string::npos) return b.testo;
  return "[generale]\nlunghezza percorso,  10000\n[curve]\n" + b.testo + "[fine]\n";
}

std::string treno_di(const Blocco& b) {
  if (b.testo.find("[generale]") != std::string::npos) return b.testo;
  return "[generale]\n" + b.testo + "[fine]\n";
}

}  // namespace scenario::test
