// Writes a generated line and train description of the given length, for the
// timing script: genera_linea METRES FOLDER writes FOLDER/linea.txt and
// FOLDER/treno.txt.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "tests/linea_generata.h"

int main(int argc, char** argv) {
  int32_t metri = 0;
  const std::string_view testo = argc == 3 ? argv[1] : "";
  const auto [fine, errore] = std::from_chars(testo.data(), testo.data() + testo.size(), metri);
  if (argc != 3 || errore != std::errc() || fine != testo.data() + testo.size() || metri < 1000 ||
      metri > 1000000) {
    std::fprintf(stderr, "usage: genera_linea METRES FOLDER (METRES from 1000 to 1000000)\n");
    return 64;
  }
  const std::string cartella = argv[2];
  for (const auto& [nome, contenuto] : {std::pair{"/linea.txt", scenario::test::linea_generata(metri)},
                                        std::pair{"/treno.txt", scenario::test::treno_generato(metri)}}) {
    const scenario::Status s = scenario::sostituisci_file(cartella + nome, contenuto);
    if (!s.ok()) {
      std::fprintf(stderr, "%s\n", s.messaggio().c_str());
      return 3;
    }
  }
  return 0;
}
