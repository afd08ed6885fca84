// What a cell holds, in an author's terms: for each type of cell the one packing of an entry's values into the cell's fields and its
// inverse. The readers encode with these; the pictures, dump and decompile
// decode with them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/griglia.h"
#include "model/modello.h"

namespace scenario {

// The value of a marker the layout pass places (type abbattimento), and the
// most an abbattimento cell keeps near a signal that a warning board looks
// back to.
constexpr int16_t kValoreMarca = 180;

// A station type from this value on passes without stopping: it gets no
// stopping cell and no approach marks.
constexpr uint8_t kPrimoTipoSenzaFermata = 25;

// ---- the low bits a narrow field keeps ----

inline uint8_t basso8(int64_t valore) { return static_cast<uint8_t>(static_cast<uint64_t>(valore) & 0xFFu); }
inline int16_t basso16(int64_t valore) {
  return static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint64_t>(valore) & 0xFFFFu));
}

// ---- the profile bytes of every cell ----

// The speed limit in steps of 5 km/h, rounded; none when that falls outside
// 0 to 255.
std::optional<uint8_t> byte_velocita(int32_t velocita);
int32_t velocita_del_byte(uint8_t byte);

// The gradient in per mille plus 100 (100 is level), in 8 bits.
uint8_t byte_pendenza(int64_t per_mille);
int32_t pendenza_del_byte(uint8_t byte);

// ---- signal (kSegnale) ----

// The settings of a signal line, in the order the line gives them after the
// position: the kinds of the left and right side, their three aspect
// settings, the repetition and the time.
struct ImpostazioniSegnale {
  int32_t sx = 0, s1 = 0, s2 = 0, s3 = 0, rapp = 0, dx = 0, d1 = 0, d2 = 0, d3 = 0, tempo = 0;
  bool operator==(const ImpostazioniSegnale&) const = default;
};

// valore_d = 10 x rapp + 3 x sx + dx, valore_a..c = 10 x s + d, each in 16
// bits; only a signal of kind 2 on the left keeps a time, in 8 bits.
void codifica_segnale(const ImpostazioniSegnale& s, Cella* cella);
// Settings that encode to the cell: sx is 2 exactly when the cell keeps a
// time, and a stored time of 1 to 100 (the readers raise those to 101) came
// from 256 more.
ImpostazioniSegnale decodifica_segnale(const Cella& cella);
// The approach mark `j` (1 nearest, to 4) that a signal writes 2 x j cells
// before its own: 10 x (3 x sx + dx) + j, in 8 bits.
uint8_t avviso_segnale(const ImpostazioniSegnale& s, int32_t j);

// ---- maximum-speed indicators (kIndicatoriVMax) ----

// Speeds in km/h on the left and right side (or stripe counts).
struct Lati {
  int32_t sinistra = 0, destra = 0;
  bool operator==(const Lati&) const = default;
};

// The speeds of the train categories A, B and C, and the stripe counts.
struct ValoriIndicatori {
  Lati a, b, c, strisce;
  bool operator==(const ValoriIndicatori&) const = default;
};

// Each speed packs the left speed times 20 plus the right speed in steps of
// 5 km/h, worked out as a real number and rounded once; the stripes pack the
// left count times 10 plus the right. False, with the cell untouched, when a
// value does not fit its 16-bit field.
bool codifica_indicatori(const ValoriIndicatori& v, Cella* cella);
// Packings are not one to one (95 left with 100 right packs as 96 left with
// 0 right): the left speed comes back as a multiple of 5, as an author
// writes it, the rest on the right.
ValoriIndicatori decodifica_indicatori(const Cella& cella);

// ---- slowdowns (kInizioRallentamento, kFineRallentamento, kAvvisoRallentamento) ----

// The values of a slowdown line its cells keep, named as the line names them.
struct ValoriRallentamento {
  int32_t v = 0;     // km/h, valore_a
  int32_t f_tt = 0;  // valore_c, start and end only
  int32_t d_v = 0;   // valore_b, written only when not 0
  bool operator==(const ValoriRallentamento&) const = default;
};

// Start and end cells keep all three values, the warning cell the first two.
void codifica_rallentamento(uint8_t tipo, const ValoriRallentamento& v, Cella* cella);
ValoriRallentamento decodifica_rallentamento(const Cella& cella);

// A slowdown as its cells show it: the start cell and its end cell, none when
// the slowdown was shorter than 25 m and its end shares the start's cell.
struct CelleRallentamento {
  size_t inizio;
  std::optional<size_t> fine;
};

// Each start cell, rising, with the nearest end cell after it that carries
// the same values and belongs to no earlier start. Start and end both keep
// the values, so a slowdown inside another of a different speed finds its
// own end.
std::vector<CelleRallentamento> accoppia_rallentamenti(const std::vector<Cella>& celle);

// ---- abbattimento (kAbbattimento) ----

// The value in 16 bits; a value that reads as 0 or below came from 65536 more
// (an abbattimento of 0 or below makes a kAbbattimentoNullo cell instead).
inline int16_t codifica_abbattimento(int64_t valore) { return basso16(valore); }
inline int32_t decodifica_abbattimento(int16_t valore) { return valore > 0 ? valore : valore + 65536; }

}  // namespace scenario
