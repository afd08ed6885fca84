// The folder that `compile -o` writes into, for the length of one compile:
// made when missing, and removed again when the compile ends without writing
// into it; locked, so that a second compile or a program run writing the same
// folder waits for this one; cleaned of the leftovers of the files this
// compile writes, and of nothing else.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/blocco_cartella.h"
#include "platform/status.h"

namespace scenario::tool {

class Destinazione {
 public:
  Destinazione() = default;
  // Removes the folders prepara() made, unless conferma() was called. Only an
  // empty folder is removed.
  ~Destinazione();
  Destinazione(const Destinazione&) = delete;
  Destinazione& operator=(const Destinazione&) = delete;

  // Makes `cartella` (and the folders above it) when missing, takes its lock
  // (calling `in_attesa` once when another holds it), and removes the
  // leftover temporary files of `nomi`.
  Status prepara(const std::string& cartella, const std::vector<std::string>& nomi,
                 const std::function<void()>& in_attesa);

  // The compile wrote into the folder: it stays.
  void conferma() { confermata_ = true; }

 private:
  std::vector<std::string> fatte_;  // folders made, outermost first
  BloccoCartella blocco_;
  bool confermata_ = false;
};

}  // namespace scenario::tool
