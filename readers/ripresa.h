// Taking a reading up again between two entries. A reading is deterministic,
// and what it has done when it reaches a byte of its text depends on the
// bytes before it alone. So when a text changes from some byte on (a check
// blanks a faulty entry to read past it), a new reading may start where an
// earlier one stood before that byte, with the model as it was there, instead
// of from the start: it ends exactly as a reading from the start would.
//
// The readers hand such points to a Riprese as they pass them (every `passo`
// bytes of text, between two entries of a main loop), and start from one
// given back to them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>

#include "model/stato.h"
#include "model/traccia.h"
#include "readers/lettore_campi.h"

namespace scenario {

// What the line half carries from one entry to the next.
struct CursoriLinea {
  int32_t cella_pendenza = 0;     // gradient cursor: the next cell to receive a gradient
  int32_t pendenza_corrente = 0;  // the gradient in force, per mille
  int32_t riga_tracciato = 2;     // plan cursor: the next plan row to draw
  // Positions of the last entries, kept only to warn about entries out of order.
  std::optional<int32_t> ultima_pendenza;
  std::optional<int32_t> ultimo_cartello;
  std::optional<int32_t> ultimo_indicatore;
};

// What the train half carries from one entry to the next.
struct CursoriTreno {
  // Next cell to receive a speed limit or an adhesion, and the value in force.
  // The speed is kept in km/h as read: its byte (steps of 5 km/h) is worked out
  // when a cell receives it, so a speed no byte can hold fails only if some
  // cell is to receive it. Before the first entry of each kind the value is 0.
  int64_t contatore_velocita = 0;
  int32_t velocita_corrente = 0;
  int64_t contatore_aderenza = 0;
  uint8_t aderenza_corrente = 0;
  int32_t stazione = 1;  // element row of the next station

  // Positions of the last entry of each kind, to warn about entries out of order.
  std::optional<int32_t> ultima_velocita;
  std::optional<int32_t> ultima_aderenza;
  std::optional<int32_t> ultimo_segnale;
};

// The main loops a reading can be taken up in.
enum class Ciclo : uint8_t {
  kSezioneGenerale,  // the line's general section
  kOggettiLinea,     // the line's object part
  kVociTreno,        // the train description after its "[generale]"
};

// A reading between two entries, with the model as it stood there.
struct PuntoLettura {
  Ciclo ciclo = Ciclo::kSezioneGenerale;
  // The field cursor; only its position is taken up, on the new text.
  LettoreCampi cursore{{}};
  CursoriLinea linea;
  CursoriTreno treno;
  Compilatore stato;      // its record pointer cleared
  Traccia::Segno traccia;  // the record as it stood, when one was kept

  bool di_treno() const { return ciclo == Ciclo::kVociTreno; }
  size_t offset() const { return cursore.posizione(); }
};

// The points a reading hands over: the last `quanti`, one every `passo`
// bytes of each text at most.
class Riprese {
 public:
  Riprese(size_t passo, size_t quanti) : passo_(passo), quanti_(quanti) {}

  // Whether a reading standing at byte `offset` of the line (or the train)
  // text between two entries is to hand its point over.
  bool vuole(bool treno, size_t offset) const { return offset >= prossimo_[treno ? 1 : 0]; }
  void tieni(PuntoLettura punto);

  // The texts changed from byte `offset` of the line (or the train) on:
  // the points that stand at or after it are dropped. A point of the line
  // stays for a change in the train.
  void cambiato(bool treno, size_t offset);

  // The points kept, in the order of the reading.
  const std::deque<PuntoLettura>& punti() const { return punti_; }
  // The furthest point kept, or nullptr.
  const PuntoLettura* ultimo() const { return punti_.empty() ? nullptr : &punti_.back(); }

 private:
  void prossimi();  // where the next point of each text is due

  size_t passo_;
  size_t quanti_;
  std::deque<PuntoLettura> punti_;  // in the order of the reading
  size_t prossimo_[2] = {0, 0};
};

}  // namespace scenario
