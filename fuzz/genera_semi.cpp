// Writes the scenario's own descriptions as seeds of the fuzz targets, from the
// program's own tables, so that the seeds follow every change of the content:
//   FOLDER/lettore_linea/scenario   the line description
//   FOLDER/lettore_treno/scenario   the train description
//   FOLDER/compilazione/scenario    both, the line first, a NUL byte between
//   FOLDER/compilati/corta          the compiled files of a short line
//   FOLDER/compilati/senza_piano    the scenario's table and cells, no plan
#include <cstdio>
#include <filesystem>
#include <string>

#include "content/documenti.h"
#include "content/lista_righe.h"
#include "driver/compila_testi.h"
#include "fuzz/banco.h"

namespace {

// The three compiled files of `linea` and `treno`, joined as the compiled-files
// target reads its input; the plan is left out when `con_piano` is false.
std::string compilati(const std::string& linea, const std::string& treno, bool con_piano) {
  using namespace scenario;
  TestiDaCompilare testi;
  testi.linea = {"linea", linea};
  testi.treno = {"treno", treno};
  const Compilazione c = compila_testi(testi);
  if (!c.file || !c.file->tracciato) fuzz::fallisci("the seed's compile gave no compiled files");
  return fuzz::unisci_compilati(c.file->tabella, c.file->celle, con_piano ? *c.file->tracciato : std::string());
}

}  // namespace

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
  // A line of 1000 m with one curve and one gradient: a plan of 8001 metres
  // a column, small enough for the fuzzer's input.
  const std::string corta = compilati(
      "[generale]\r\nlunghezza percorso,  1000\r\n[curve]\r\ncurvad3,  100,  200\r\n[pendenze]\r\n"
      "pendenza,  200,  5\r\n[fine]\r\n",
      "[generale]\r\nvetture,  3\r\nvelocita,  0,  100\r\n[fine]\r\n", true);
  const std::string senza_piano = compilati(linea, treno, false);
  const struct {
    const char* bersaglio;
    const char* nome;
    const std::string* testo;
  } semi[] = {{"lettore_linea", "scenario", &linea},
              {"lettore_treno", "scenario", &treno},
              {"compilazione", "scenario", &coppia},
              {"compilati", "corta", &corta},
              {"compilati", "senza_piano", &senza_piano}};
  for (const auto& seme : semi) {
    const fs::path cartella = fs::path(argv[1]) / seme.bersaglio;
    fs::create_directories(cartella);
    scenario::fuzz::scrivi_testo((cartella / seme.nome).string(), *seme.testo);
  }
  return 0;
}
