// Writes the scenario's own descriptions as seeds of the fuzz targets, from the
// program's own tables, so that the seeds follow every change of the content:
//   FOLDER/lettore_linea/scenario   the line description
//   FOLDER/lettore_treno/scenario   the train description
//   FOLDER/compilazione/scenario    both, the line first, a NUL byte between
#include <cstdio>
#include <filesystem>
#include <string>

#include "content/documenti.h"
#include "content/lista_righe.h"
#include "fuzz/banco.h"

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  using scenario::ListaRighe;
  if (argc != 2) {
    std::fprintf(stderr, "usage: genera_semi FOLDER\n");
    return 2;
  }
  const std::string linea = ListaRighe(scenario::righe_linea()).testo();
  const std::string treno = ListaRighe(scenario::righe_treno()).testo();
  const std::string coppia = linea + scenario::fuzz::kSeparatoreCoppia + treno;
  const std::pair<const char*, const std::string*> semi[] = {
      {"lettore_linea", &linea}, {"lettore_treno", &treno}, {"compilazione", &coppia}};
  for (const auto& [bersaglio, testo] : semi) {
    const fs::path cartella = fs::path(argv[1]) / bersaglio;
    fs::create_directories(cartella);
    scenario::fuzz::scrivi_testo((cartella / "scenario").string(), *testo);
  }
  return 0;
}
