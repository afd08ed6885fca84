// The route model: the element table, the cell array and the track plan.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "model/tracciato.h"

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

  bool operator==(const Elemento&) const = default;
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

  bool operator==(const Cella&) const = default;
};

// Only a free cell takes a new object; a mountain mark counts as free.
inline bool cella_libera(const Cella& cella) {
  return cella.tipo == kLibera || cella.tipo == kMarcaMontagna;
}

// One point of a plan read back from its file (the compiler itself never
// holds the points: see model/tracciato.h).
struct Punto {
  TagPunto tag = TagPunto::kVuoto;
  int16_t intero = 0;
  double reale = 0.0;

  // The number the point holds, as the plan's arithmetic uses it.
  double valore() const { return tag == TagPunto::kIntero ? intero : reale; }
};

// One column of a plan read back from its file, one point per metre. A column
// keeps a value and a one-byte tag per point in two dense arrays, 9 bytes a
// point rather than the 16 of a Punto; 16-bit integers are held exactly as
// doubles.
class Colonna {
 public:
  Colonna() = default;
  Colonna(std::initializer_list<Punto> punti) {
    for (const Punto& p : punti) aggiungi(p);
  }

  size_t size() const { return tag_.size(); }
  bool empty() const { return tag_.empty(); }

  // `n` empty points.
  void azzera(size_t n) {
    valori_.clear();
    valori_.resize(n);
    tag_.assign(n, static_cast<uint8_t>(TagPunto::kVuoto));
  }
  // Keeps the first `n` points, or adds empty ones up to `n`.
  void ridimensiona(size_t n) {
    valori_.resize(n, 0.0);
    tag_.resize(n, static_cast<uint8_t>(TagPunto::kVuoto));
  }
  void aggiungi(const Punto& p) {
    valori_.push_back(0.0);
    tag_.push_back(0);
    imposta(size() - 1, p);
  }

  TagPunto tag(size_t i) const { return static_cast<TagPunto>(tag_[i]); }
  // The number the point holds, as the plan's arithmetic uses it.
  double valore(size_t i) const { return tag_[i] == 0 ? 0.0 : valori_[i]; }
  // A copy: change a point with imposta().
  const Punto operator[](size_t i) const {
    const TagPunto t = tag(i);
    if (t == TagPunto::kIntero) return Punto{t, static_cast<int16_t>(valori_[i]), 0.0};
    if (t == TagPunto::kReale) return Punto{t, 0, valori_[i]};
    return Punto{};
  }

  void imposta(size_t i, const Punto& p) {
    tag_[i] = static_cast<uint8_t>(p.tag);
    valori_[i] = p.tag == TagPunto::kVuoto ? 0.0 : p.valore();
  }
  void imposta_reale(size_t i, double valore) {
    tag_[i] = static_cast<uint8_t>(TagPunto::kReale);
    valori_[i] = valore;
  }

 private:
  std::vector<double> valori_;
  std::vector<uint8_t> tag_;
};

// A plan read back from its file, column by column: x (sideways) then y
// (along the line's starting direction).
struct PuntiTracciato {
  Colonna x;
  Colonna y;
  bool presente() const { return !x.empty(); }
};

constexpr int kMaxMontagne = 80;  // sections 1 to 80; index 0 is never used

}  // namespace scenario
