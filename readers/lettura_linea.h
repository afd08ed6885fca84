// The state of one reading of the line description, shared by the pieces of
// the line reader: the field stream, the gradient and plan cursors, and the
// positions of the last entries (kept only to warn about entries out of order).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "readers/lettore_campi.h"

namespace scenario {

struct Compilatore;

// How a step of the reading ended.
enum class Esito {
  kAvanti,   // go on reading
  kFineFile, // the end of the file was reached: the tails run, the train half follows
  kOltre,    // a position beyond the cell array (code 15): as kFineFile
  kFermo,    // a fault that ends the reading stage; the train half does not run
};

class LetturaLinea {
 public:
  LetturaLinea(Compilatore& compilatore, std::string testo) : stato(compilatore), lettore_(std::move(testo)) {}

  // Reads a key, passing over up to `commenti` comment fields (fields holding
  // a "-"). False when a read reached the end of the file: the field it
  // returned is the file's last and is never acted on.
  bool leggi_chiave(int commenti, std::string* campo);
  // Reads a field without the comment rule; false as leggi_chiave.
  bool leggi_campo(std::string* campo);

  // Value fields of an entry. A read past the end of the file or a malformed
  // number records code 25 and gives false.
  bool leggi_valore(int32_t* valore);
  bool leggi_testo(std::string* testo);

  // Records a fault where the reading stands (the line of the last field).
  void guasto(int32_t codice);
  void guasto(int32_t codice, int32_t posizione);
  // Records a tool-only warning where the reading stands.
  void avverti(std::string_view modello, std::vector<std::string> valori);
  // Warns when `posizione` lies before the position of the previous entry of
  // the same kind, then remembers it.

  Compilatore& stato;
  int32_t g = 0;  // gradient cursor: the next cell to receive a gradient
  int32_t p = 0;  // the gradient in force, per mille
  int32_t c = 2;  // plan cursor: the next plan row to draw
  std::optional<int32_t> ultima_pendenza;
  std::optional<int32_t> ultimo_cartello;
  std::optional<int32_t> ultimo_indicatore;

 private:
  void segna_riga();
  LettoreCampi lettore_;
};

// Whether a position lies too far along for the cell array, as every object
// entry checks it: (position + 100) / 50 beyond ultima_cella.

// The general section, from the field after "[generale]" to its closing field
// or the end of the file (kAvanti, kFineFile or kFermo).
Esito leggi_sezione_generale(LetturaLinea& lettura);
// What follows the general section before any object entry: the sorting of
// the kilometre-post systems, the cursors and the plan's seed rows.
Esito chiudi_sezione_generale(LetturaLinea& lettura);
// The object part, to the end of the file (kFineFile, kOltre or kFermo).
Esito leggi_parte_oggetti(LetturaLinea& lettura);

// Object entries, each with its key already read.
Esito voce_pendenza(LetturaLinea& lettura);
Esito voce_curva(LetturaLinea& lettura, std::string_view chiave);
Esito voce_montagna(LetturaLinea& lettura);
Esito voce_indicatori(LetturaLinea& lettura);
Esito voce_cartello(LetturaLinea& lettura);

// The tails at the end of the file: the last gradient up to ultima_cella - 3
// and the plan straight on to lunghezza_tracciato - 2.
void coda_pendenze(LetturaLinea& lettura);
void coda_tracciato(LetturaLinea& lettura);

}  // namespace scenario
