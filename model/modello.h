// The route model: the element table, the cell array and the track plan.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace scenario {

// One row of the element table. Field order is the order of the table file.
struct Elemento {
  uint8_t tipo = 0;
  int32_t dato1 = 0;
  int32_t dato2 = 0;
  int32_t dato3 = 0;
  uint8_t segno = 0;
  std::string testo;  // 8-bit text (Windows-1252), never UTF-8
  int16_t intero1 = 0;
  int16_t intero2 = 0;
  int16_t intero3 = 0;
  int16_t intero4 = 0;
  int16_t intero5 = 0;
  uint8_t byte1 = 0;
  uint8_t byte2 = 0;
  uint8_t byte3 = 0;
  uint8_t byte4 = 0;
  int32_t dato4 = 0;
};

// Row roles of the element table.
constexpr int kRigheElementi = 87;          // rows 0 to 86
constexpr int kPrimaStazione = 1;           // stations grow upward from here
constexpr int kPrimoCartello = 80;          // signposts grow downward from here
constexpr int kRigaProgressivaTre = 81;     // kilometre-post system beginning furthest along
constexpr int kRigaProgressivaDue = 82;
constexpr int kRigaProgressivaUno = 83;     // kilometre-post system beginning nearest the start
constexpr int kRigaValoriCorsa = 84;        // braked mass, line length, cars
constexpr int kRigaLinea = 85;              // scenery, line name, stamp, codice_gara_st
constexpr int kRigaTreno = 86;              // signal repetition, train number, sand, clock

using Elementi = std::array<Elemento, kRigheElementi>;

// Cell types.
enum TipoCella : uint8_t {
  kLibera = 0,
  kSegnale = 1,
  kFineRallentamento = 2,
  kInizioRallentamento = 3,
  kAvvisoRallentamento = 4,
  kPreavvisoRallentamento = 5,
  kIndicatoriVMax = 6,
  kStazione = 10,
  kMarcaMontagna = 11,
  kAbbattimento = 12,
  kAbbattimentoNullo = 13,
  kCartello = 14,
};

// One 50-metre cell. Field order is the order of the cell file.
struct Cella {
  uint8_t tipo = kLibera;
  int16_t valore_a = 0;
  int16_t valore_b = 0;
  int16_t valore_c = 0;
  int16_t valore_d = 0;
  uint8_t tempo = 0;
  uint8_t avviso = 0;
  uint8_t montagna = 0;
  uint8_t velocita = 0;
  uint8_t pendenza = 0;
  uint8_t aderenza = 0;
};

// Only a free cell takes a new object; a mountain mark counts as free.
inline bool cella_libera(const Cella& cella) {
  return cella.tipo == kLibera || cella.tipo == kMarcaMontagna;
}

// A point of the track plan: empty, a 16-bit integer or a 64-bit float.
enum class TagPunto : uint16_t { kVuoto = 0, kIntero = 2, kReale = 5 };

struct Punto {
  TagPunto tag = TagPunto::kVuoto;
  int16_t intero = 0;
  double reale = 0.0;

  // The number the point holds, as the plan's arithmetic uses it.
  double valore() const { return tag == TagPunto::kIntero ? intero : reale; }
};

// The plan, one point per metre, stored column by column: x (sideways) then y
// (along the line's starting direction).
struct Tracciato {
  std::vector<Punto> x;
  std::vector<Punto> y;
  bool presente() const { return !x.empty(); }
};

constexpr int kMaxMontagne = 80;  // sections 1 to 80; index 0 is never used

}  // namespace scenario
