// A plan file read a piece at a time: its shape checked in one pass, then its
// two columns walked side by side, metre by metre, by two cursors, so that a
// reader of the longest line's plan holds a few pieces of it, never the whole.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>

#include "model/modello.h"
#include "platform/da_tradurre.h"

namespace scenario {

// Puts up to `quanti` bytes of the file from `posizione` into `dove` and
// returns how many; fewer only at the file's end.
using LeggiPezzo = std::function<size_t(uint64_t posizione, char* dove, size_t quanti)>;

struct FormaTracciato {
  size_t righe = 0;        // metres in each column
  uint64_t inizio_y = 0;   // offset of column y's first point
};

// The checks of decodifica_tracciato() on a file of `byte` bytes read through
// `leggi`: the size, every tag known, no point cut short, two columns of
// equal length within the longest line's plan, every number finite. False,
// with `errore` as decodifica_tracciato() gives it, when one fails.
bool esamina_tracciato(const LeggiPezzo& leggi, uint64_t byte, FormaTracciato* forma, Testo* errore);

// One metre of a plan: its number and the points of columns x and y there.
using VisitaMetro = std::function<void(size_t metro, const Punto& x, const Punto& y)>;

// The metres of a plan whose shape esamina_tracciato() found good, read
// through `leggi` and given to `visita` one by one, in order: nothing of the
// plan is held but a piece of each column.
void scorri_tracciato(const LeggiPezzo& leggi, const FormaTracciato& forma, const VisitaMetro& visita);

// A plan given metre by metre, from its file or from columns held whole:
// `scorri` walks its `righe` metres in order. No plan when `righe` is 0.
struct PianoAPassi {
  size_t righe = 0;
  std::function<void(const VisitaMetro&)> scorri;
};

// The columns held whole walked as a plan file would be.
PianoAPassi piano_di(const PuntiTracciato& tracciato);

// Bytes held in memory read as a file is read.
LeggiPezzo pezzi_di(std::string_view dati);

// The whole plan read through `leggi` into `tracciato`, after the checks of
// esamina_tracciato(): the file's bytes are never held whole.
bool decodifica_tracciato(const LeggiPezzo& leggi, uint64_t byte, PuntiTracciato* tracciato, Testo* errore);

// The points of one column, one after the other, from `inizio`; the file's
// shape must have been checked.
class CursorePunti {
 public:
  CursorePunti(const LeggiPezzo& leggi, uint64_t inizio) : leggi_(leggi), posizione_(inizio) {}
  Punto prossimo();
  // The offset of the next point.
  uint64_t posizione() const { return posizione_; }

 private:
  // At least `n` bytes ready in the piece, unless the file ends first.
  void prepara(size_t n);

  const LeggiPezzo& leggi_;
  uint64_t posizione_;  // offset of pezzo_[inizio_]
  std::array<char, 1 << 15> pezzo_{};
  size_t inizio_ = 0;
  size_t fine_ = 0;
};

}  // namespace scenario
