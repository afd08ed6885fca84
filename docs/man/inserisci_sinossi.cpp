// Builds the manual page of scenario-tool from its template: the line
// `.\" SINOSSI` becomes the synopses made from the tool's usage table.
// Usage: inserisci_sinossi TEMPLATE PAGE
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "tool/sinossi_roff.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: inserisci_sinossi TEMPLATE PAGE\n";
    return 64;
  }
  std::ifstream modello(argv[1], std::ios::binary);
  if (!modello) {
    std::cerr << "inserisci_sinossi: cannot read " << argv[1] << "\n";
    return 3;
  }
  std::ostringstream pagina;
  int segni = 0;
  for (std::string riga; std::getline(modello, riga);) {
    if (riga == ".\\\" SINOSSI") {
      pagina << scenario::tool::sinossi_roff();
      ++segni;
    } else {
      pagina << riga << "\n";
    }
  }
  // A template that lost its mark, or holds it twice, would give a page with
  // no synopsis or two: refused rather than installed.
  if (segni != 1) {
    std::cerr << "inserisci_sinossi: " << argv[1] << " holds the mark .\\\" SINOSSI " << segni << " times, not once\n";
    return 65;
  }
  std::ofstream uscita(argv[2], std::ios::binary | std::ios::trunc);
  uscita << pagina.str();
  if (!uscita.flush()) {
    std::cerr << "inserisci_sinossi: cannot write " << argv[2] << "\n";
    return 3;
  }
  return 0;
}
