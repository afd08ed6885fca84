// The floor of a program run: puts down exactly the bytes a run writes, in
// the run's order and through the same safe replacement, in the folder that
// holds this executable, under the same folder lock, and computes nothing. The bytes are built into the
// executable (the script made by prepara_pavimento), so that the floor reads
// no input file the program does not read either. What the program costs
// above this is the cost of compiling.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "bench/copione.h"
#include "model/nomi_file.h"
#include "platform/blocco_cartella.h"
#include "platform/cartella_programma.h"
#include "platform/file_system.h"

// The script, embedded whole at build time.
asm(".section .rodata\n"
    ".balign 16\n"
    ".globl scenario_copione_inizio\n"
    "scenario_copione_inizio:\n"
    ".incbin \"" SCENARIO_COPIONE "\"\n"
    ".globl scenario_copione_fine\n"
    "scenario_copione_fine:\n"
    ".previous\n");
extern "C" const char scenario_copione_inizio[];
extern "C" const char scenario_copione_fine[];

namespace scenario::bench {
namespace {

// A cursor through the script; the script is ours, made at build time, so a
// short read is a broken build, reported and never followed.
class Lettore {
 public:
  explicit Lettore(std::string_view testo) : resto_(testo) {}
  bool finito() const { return resto_.empty(); }
  bool leggi(size_t n, std::string_view* pezzo) {
    if (resto_.size() < n) return false;
    *pezzo = resto_.substr(0, n);
    resto_.remove_prefix(n);
    return true;
  }
  template <typename T>
  bool leggi_intero(T* valore) {
    std::string_view pezzo;
    if (!leggi(sizeof(T), &pezzo)) return false;
    // Little-endian on the only hosts the program is built for.
    std::memcpy(valore, pezzo.data(), sizeof(T));
    return true;
  }

 private:
  std::string_view resto_;
};

// One step of the script: a file to write with its content, or one to read
// back and delete.
struct Passo {
  Operazione operazione = Operazione::kLeggiEdElimina;
  std::string_view nome;
  std::string_view contenuto;
};

// The next step; false when the script is cut short.
bool leggi_passo(Lettore& copione, Passo* passo) {
  uint8_t tipo = 0;
  uint16_t lunghezza_nome = 0;
  if (!copione.leggi_intero(&tipo) || !copione.leggi_intero(&lunghezza_nome) ||
      !copione.leggi(lunghezza_nome, &passo->nome)) {
    return false;
  }
  passo->operazione = static_cast<Operazione>(tipo);
  passo->contenuto = {};
  if (passo->operazione == Operazione::kLeggiEdElimina) return true;
  uint32_t dimensione = 0;
  return copione.leggi_intero(&dimensione) && copione.leggi(dimensione, &passo->contenuto);
}

// The names of the files the script writes.
std::vector<std::string> nomi_scritti(Lettore copione) {
  std::vector<std::string> nomi;
  Passo passo;
  while (!copione.finito() && leggi_passo(copione, &passo)) {
    if (passo.operazione != Operazione::kLeggiEdElimina) nomi.emplace_back(passo.nome);
  }
  return nomi;
}

Status esegui(const std::string& cartella, Lettore& copione) {
  while (!copione.finito()) {
    Passo passo;
    if (!leggi_passo(copione, &passo)) return Status::Error("the built-in script is cut short");
    const std::string percorso = unisci_percorso(cartella, std::string(passo.nome));
    if (passo.operazione == Operazione::kLeggiEdElimina) {
      std::string contenuto;
      Status s = leggi_file(percorso, &contenuto);
      if (s.ok()) s = elimina_file(percorso);
      if (!s.ok()) return s;
      continue;
    }
    const Status s = sostituisci_file(percorso, passo.contenuto);
    if (!s.ok()) return s;
  }
  return Status::Ok();
}

}  // namespace
}  // namespace scenario::bench

int main() {
  const std::string cartella = scenario::cartella_programma();
  if (cartella.empty()) {
    std::fprintf(stderr, "cannot find the folder of the program\n");
    return 3;
  }
  scenario::bench::Lettore copione(std::string_view(
      scenario_copione_inizio, static_cast<size_t>(scenario_copione_fine - scenario_copione_inizio)));
  // The folder taken and cleaned as the program does it.
  scenario::BloccoCartella blocco;
  scenario::Status s = blocco.prendi(cartella, nullptr);
  if (s.ok()) {
    scenario::rimuovi_temporanei(blocco, scenario::bench::nomi_scritti(copione));
    s = scenario::bench::esegui(cartella, copione);
  }
  if (!s.ok()) {
    std::fprintf(stderr, "%s\n", s.messaggio().c_str());
    return 3;
  }
  return 0;
}
