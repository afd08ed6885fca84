// Reading a line description written for one test: the text goes under the
// scenario's own file name into a private folder, and the line reader runs on
// a compiler state set up as the run driver sets it.
#pragma once

#include <initializer_list>
#include <string>

#include "model/nomi_file.h"
#include "model/stato.h"
#include "tests/cartella_temporanea.h"

namespace scenario::test {

class LineaDiProva {
 public:
  LineaDiProva();

  // The scenario's line description file name.
  std::string nome_file() const;
  // Writes `testo` as the line description, as is (no line ends added).
  void scrivi(const std::string& testo) const;
  // Reads it as the reading stage does (memorizza_linea); its result: whether
  // the train half runs.
  bool leggi();
  // Writes `testo`, then reads it.
  bool leggi(const std::string& testo);

  Compilatore stato;
  CartellaTemporanea cartella;
  NomiFile nomi;  // the scenario's names in `cartella`
};

// The lines joined with CR LF after each, as the content writers write them.
std::string righe(std::initializer_list<const char*> righe);

// A general section for a line of `lunghezza` metres, closed by "[curve]":
// lines 1 to 3.
std::string generale(int lunghezza = 88000);

// A whole description: the general section, the object lines (from line 4)
// and "[fine]".
std::string descrizione(std::initializer_list<const char*> oggetti, int lunghezza = 88000);

}  // namespace scenario::test
