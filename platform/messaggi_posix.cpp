#include "platform/messaggi.h"

#include <cstdio>

namespace scenario {

void mostra_attesa() {
  std::fputs("Attendere\n", stdout);
  std::fflush(stdout);
}

void mostra_errore(std::string_view testo) {
  std::fwrite(testo.data(), 1, testo.size(), stderr);
  std::fputc('\n', stderr);
  std::fflush(stderr);
}

void mostra_errore_fatale(std::string_view testo) { mostra_errore(testo); }

}  // namespace scenario
