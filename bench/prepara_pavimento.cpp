// Builds the floor program's script from one finished run of the program:
//
//   prepara_pavimento RUN_FOLDER SCRIPT
//
// The documents and compiled files are taken from RUN_FOLDER as the run left
// them; the two descriptions, which the run deleted, from the program's own
// tables.
#include <cstdio>
#include <string>

#include "bench/copione.h"
#include "content/documenti.h"
#include "content/lista_righe.h"
#include "model/codifica.h"
#include "model/nomi_file.h"
#include "model/scenario.h"
#include "platform/file_system.h"

namespace scenario::bench {
namespace {

class Copione {
 public:
  explicit Copione(std::string cartella) : cartella_(std::move(cartella)) {}

  void scrivi(Operazione tipo, const std::string& nome, const std::string& contenuto) {
    intestazione(tipo, nome);
    PutU32(&testo_, static_cast<uint32_t>(contenuto.size()));
    testo_ += contenuto;
  }
  // A file as the run left it in its folder.
  bool scrivi_dalla_corsa(const std::string& nome) {
    std::string contenuto;
    const Status s = leggi_file(unisci_percorso(cartella_, nome), &contenuto);
    if (!s.ok()) {
      std::fprintf(stderr, "%s\n", s.messaggio().c_str());
      return false;
    }
    scrivi(Operazione::kScrivi, nome, contenuto);
    return true;
  }
  void leggi_ed_elimina(const std::string& nome) { intestazione(Operazione::kLeggiEdElimina, nome); }
  const std::string& testo() const { return testo_; }

 private:
  void intestazione(Operazione tipo, const std::string& nome) {
    PutU8(&testo_, static_cast<uint8_t>(tipo));
    PutU16(&testo_, static_cast<uint16_t>(nome.size()));
    testo_ += nome;
  }

  std::string cartella_;
  std::string testo_;
};

int prepara(const std::string& corsa, const std::string& uscita) {
  const NomiFile nomi("", std::string(kNomeLinea), std::string(kNumeroTreno));
  Copione c(corsa);
  // The program's order: the five texts, the two descriptions read and
  // deleted by the compile step, then the three compiled files.
  c.scrivi(Operazione::kScrivi, nomi.nome_descrizione_linea(), ListaRighe(righe_linea()).testo());
  c.scrivi(Operazione::kScrivi, nomi.nome_descrizione_treno(), ListaRighe(righe_treno()).testo());
  bool ok = c.scrivi_dalla_corsa(nomi.nome_note()) && c.scrivi_dalla_corsa(nomi.nome_rallentamenti()) &&
            c.scrivi_dalla_corsa(nomi.nome_scheda());
  c.leggi_ed_elimina(nomi.nome_descrizione_linea());
  c.leggi_ed_elimina(nomi.nome_descrizione_treno());
  ok = ok && c.scrivi_dalla_corsa(nomi.nome_tracciato()) && c.scrivi_dalla_corsa(nomi.nome_tabella()) &&
       c.scrivi_dalla_corsa(nomi.nome_celle());
  if (!ok) return 3;
  const Status s = sostituisci_file(uscita, c.testo());
  if (!s.ok()) {
    std::fprintf(stderr, "%s\n", s.messaggio().c_str());
    return 3;
  }
  return 0;
}

}  // namespace
}  // namespace scenario::bench

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: prepara_pavimento RUN_FOLDER SCRIPT\n");
    return 64;
  }
  return scenario::bench::prepara(argv[1], argv[2]);
}
