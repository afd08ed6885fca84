// The description blocks of the authors' guide (docs/descrizioni.md): the
// guide's own test compiles each as the guide says, the decompiler's test
// round-trips the clean ones.
#pragma once

#include <string>
#include <vector>

namespace scenario::test {

// A fenced block whose info string starts with "linea" or "treno", with its
// mark ("", "errore=N" or "avviso") and where its closing fence ends.
struct Blocco {
  std::string tipo;
  std::string segno;
  std::string testo;
  size_t fine = 0;
  int riga = 0;  // line of the opening fence, for messages
};

std::vector<Blocco> blocchi_descrizione(const std::string& guida);

// A block as a whole text of its kind: a block without "[generale]" is put
// into the smallest description around it (a line of 10000 m; a train with
// nothing else).
std::string linea_di(const Blocco& blocco);
std::string treno_di(const Blocco& blocco);

}  // namespace scenario::test
