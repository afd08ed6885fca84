// Reading a line description written for one test: the text is read in
// memory under the scenario's own file name, on a compiler state set up as the
// run driver sets it.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>

#include "model/stato.h"

namespace scenario::test {

class LineaDiProva {
 public:
  LineaDiProva();

  // The scenario's line description file name, which faults and warnings name.
  std::string nome_file() const;
  // Reads `testo` as the line half does (leggi_testo_linea); its result:
  // whether the train half runs.
  bool leggi(const std::string& testo);

  Compilatore stato;
};

// The bits of a double: a plan that promises the same bytes compares bits.
inline uint64_t bit(double valore) { return std::bit_cast<uint64_t>(valore); }

// Asserts that plan rows `da` to `a` run straight along y from the origin, as
// the rows before the first curve do: x is 0 and y the row's metre, as reals.
void dritta_lungo_y(const Tracciato& tracciato, size_t da, size_t a);

// The lines joined with CR LF after each, as the content writers write them.
std::string righe(std::initializer_list<const char*> righe);

// A general section for a line of `lunghezza` metres, closed by "[curve]":
// lines 1 to 3.
std::string generale(int lunghezza = 88000);

// A whole description: the general section, the object lines (from line 4)
// and "[fine]".
std::string descrizione(std::initializer_list<const char*> oggetti, int lunghezza = 88000);

}  // namespace scenario::test
