#include "model/valori_cella.h"

#include <gtest/gtest.h>

#include <optional>
#include <variant>

namespace scenario {
namespace {

// The simple values of a cell, each a field of its own.
struct Abbattimento {
  int32_t valore;
  bool operator==(const Abbattimento&) const = default;
};
struct Profilo {
  int32_t velocita;   // km/h
  int32_t pendenza;   // per mille
  bool operator==(const Profilo&) const = default;
};

using Valori = std::variant<ImpostazioniSegnale, ValoriIndicatori, ValoriRallentamento, Abbattimento, Profilo>;

// Encodes `v` into a free cell; a slowdown takes the type of the cell expected.
Cella codifica(const Valori& v, uint8_t tipo) {
  Cella c;
  std::visit(
      [&](const auto& x) {
        using T = std::decay_t<decltype(x)>;
        if constexpr (std::is_same_v<T, ImpostazioniSegnale>) codifica_segnale(x, &c);
        if constexpr (std::is_same_v<T, ValoriIndicatori>) {
          EXPECT_TRUE(codifica_indicatori(x, &c));
        }
        if constexpr (std::is_same_v<T, ValoriRallentamento>) codifica_rallentamento(tipo, x, &c);
        if constexpr (std::is_same_v<T, Abbattimento>) {
          c.tipo = kAbbattimento;
          c.valore_a = codifica_abbattimento(x.valore);
        }
        if constexpr (std::is_same_v<T, Profilo>) {
          c.velocita = byte_velocita(x.velocita).value_or(0);
          c.pendenza = byte_pendenza(x.pendenza);
        }
      },
      v);
  return c;
}

// Decodes a cell as the kind of `v`.
Valori decodifica(const Cella& c, const Valori& v) {
  return std::visit(
      [&](const auto& x) -> Valori {
        using T = std::decay_t<decltype(x)>;
        if constexpr (std::is_same_v<T, ImpostazioniSegnale>) return decodifica_segnale(c);
        if constexpr (std::is_same_v<T, ValoriIndicatori>) return decodifica_indicatori(c);
        if constexpr (std::is_same_v<T, ValoriRallentamento>) return decodifica_rallentamento(c);
        if constexpr (std::is_same_v<T, Abbattimento>) return Abbattimento{decodifica_abbattimento(c.valore_a)};
        if constexpr (std::is_same_v<T, Profilo>) {
          return Profilo{velocita_del_byte(c.velocita), pendenza_del_byte(c.pendenza)};
        }
      },
      v);
}

struct Caso {
  const char* nome;
  Valori scritti;               // as an author writes them
  Cella cella;                  // worked out by hand
  std::optional<Valori> letti;  // what comes back, when not what was written
};

ImpostazioniSegnale segnale(int32_t sx, int32_t dx, int32_t rapp, int32_t tempo) {
  return {.sx = sx, .s1 = 2, .s2 = 3, .s3 = 4, .rapp = rapp, .dx = dx, .d1 = 0, .d2 = 1, .d3 = 9, .tempo = tempo};
}

// Every type of cell, one table: each entry encodes to its cell, and the cell
// decodes to the entry or to the one given, which encodes to the same cell.
TEST(ValoriCella, EachEntryEncodesToItsCellAndBack) {
  const Caso casi[] = {
      {"signal: 10 x rapp + 3 x sx + dx, each side's settings 10 x s + d", segnale(1, 2, 5, 0),
       Cella{.tipo = kSegnale, .valore_a = 20, .valore_b = 31, .valore_c = 49, .valore_d = 55}, std::nullopt},
      {"signal of kind 2 keeps its time", segnale(2, 1, 0, 101),
       Cella{.tipo = kSegnale, .valore_a = 20, .valore_b = 31, .valore_c = 49, .valore_d = 7, .tempo = 101},
       std::nullopt},
      {"a time of 300 keeps its low 8 bits, 44, and comes back 256 more", segnale(2, 0, 3, 300),
       Cella{.tipo = kSegnale, .valore_a = 20, .valore_b = 31, .valore_c = 49, .valore_d = 36, .tempo = 44},
       std::nullopt},
      {"a signal of kind 0 drops its time", segnale(0, 2, 1, 50),
       Cella{.tipo = kSegnale, .valore_a = 20, .valore_b = 31, .valore_c = 49, .valore_d = 12}, segnale(0, 2, 1, 0)},
      {"right kind 5 beside a time: the left kind stays 2", segnale(2, 5, 0, 101),
       Cella{.tipo = kSegnale, .valore_a = 20, .valore_b = 31, .valore_c = 49, .valore_d = 11, .tempo = 101},
       segnale(2, -5, 1, 101)},
      {"indicators: left x 20 + right / 5, stripes left x 10 + right",
       ValoriIndicatori{{95, 100}, {60, 0}, {120, 35}, {2, 1}},
       Cella{.tipo = kIndicatoriVMax, .valore_a = 1920, .valore_b = 1200, .valore_c = 2407, .valore_d = 21},
       std::nullopt},
      {"96 left with 0 right packs as 95 with 100, and comes back so",
       ValoriIndicatori{{96, 0}, {60, 0}, {120, 35}, {2, 1}},
       Cella{.tipo = kIndicatoriVMax, .valore_a = 1920, .valore_b = 1200, .valore_c = 2407, .valore_d = 21},
       ValoriIndicatori{{95, 100}, {60, 0}, {120, 35}, {2, 1}}},
      {"a right speed off the 5 km/h steps is rounded once: 80 with 12 is 1602",
       ValoriIndicatori{{80, 12}, {-5, 0}, {0, 0}, {0, 0}},
       Cella{.tipo = kIndicatoriVMax, .valore_a = 1602, .valore_b = -100}, ValoriIndicatori{{80, 10}, {-5, 0}, {0, 0}, {0, 0}}},
      {"slowdown start: v in valore_a, f_tt in valore_c, d_v 0 not written", ValoriRallentamento{60, 1, 0},
       Cella{.tipo = kInizioRallentamento, .valore_a = 60, .valore_c = 1}, std::nullopt},
      {"slowdown end with d_v in valore_b", ValoriRallentamento{60, 1, 40},
       Cella{.tipo = kFineRallentamento, .valore_a = 60, .valore_b = 40, .valore_c = 1}, std::nullopt},
      {"a warning cell keeps no f_tt", ValoriRallentamento{60, 1, 0},
       Cella{.tipo = kAvvisoRallentamento, .valore_a = 60}, ValoriRallentamento{60, 0, 0}},
      {"abbattimento of 40000: -25536 in 16 bits, 65536 more on reading", Abbattimento{40000},
       Cella{.tipo = kAbbattimento, .valore_a = -25536}, std::nullopt},
      {"abbattimento of 65536 reads as 0", Abbattimento{65536}, Cella{.tipo = kAbbattimento, .valore_a = 0},
       std::nullopt},
      {"abbattimento of 70000 keeps 4464 only", Abbattimento{70000}, Cella{.tipo = kAbbattimento, .valore_a = 4464},
       Abbattimento{4464}},
      {"speed in 5 km/h steps, gradient plus 100", Profilo{120, -12}, Cella{.velocita = 24, .pendenza = 88},
       std::nullopt},
      {"speed rounded to the nearer step: 62 is 12; gradient -100 is byte 0", Profilo{62, -100},
       Cella{.velocita = 12, .pendenza = 0}, Profilo{60, -100}},
      {"speed 1277 is the last step; gradient 156 wraps to byte 0", Profilo{1277, 156},
       Cella{.velocita = 255, .pendenza = 0}, Profilo{1275, -100}},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.nome);
    const Cella cella = codifica(c.scritti, c.cella.tipo);
    EXPECT_EQ(cella, c.cella);
    const Valori letti = decodifica(cella, c.scritti);
    EXPECT_TRUE(letti == c.letti.value_or(c.scritti));
    EXPECT_EQ(codifica(letti, c.cella.tipo), c.cella);
  }
}

// The mark j cells before a signal: 10 x (3 x sx + dx) + j, in 8 bits.
TEST(ValoriCella, SignalApproachMarks) {
  EXPECT_EQ(avviso_segnale(segnale(1, 2, 5, 0), 3), 53);
  EXPECT_EQ(avviso_segnale(segnale(2, 2, 0, 0), 4), 84);
  EXPECT_EQ(avviso_segnale(segnale(9, 0, 0, 0), 1), 15);  // 271 keeps its low 8 bits
}

TEST(ValoriCella, ValuesBeyondTheFieldsAreRefused) {
  Cella c;
  EXPECT_FALSE(codifica_indicatori({{1700, 0}, {0, 0}, {0, 0}, {0, 0}}, &c));  // 34000 > 32767
  EXPECT_FALSE(codifica_indicatori({{0, 0}, {0, 0}, {0, 0}, {3300, 0}}, &c));  // stripes 33000
  EXPECT_EQ(c, Cella{});
  EXPECT_EQ(byte_velocita(1278), std::nullopt);  // 255.6 steps round to 256
  EXPECT_EQ(byte_velocita(-3), std::nullopt);    // -0.6 rounds to -1
  EXPECT_EQ(byte_velocita(-2), uint8_t{0});
}

// Start and end cells both keep the slowdown's values: a slowdown inside
// another of another speed ends at its own end cell, not at the first end
// after its start; a start with no end of its values is one cell long.
TEST(ValoriCella, SlowdownsPairByTheirValues) {
  std::vector<Cella> celle(12);
  codifica_rallentamento(kInizioRallentamento, {60, 1, 0}, &celle[2]);
  codifica_rallentamento(kInizioRallentamento, {40, 1, 0}, &celle[4]);
  codifica_rallentamento(kFineRallentamento, {40, 1, 0}, &celle[6]);
  codifica_rallentamento(kFineRallentamento, {60, 1, 0}, &celle[9]);
  codifica_rallentamento(kInizioRallentamento, {30, 0, 0}, &celle[10]);
  const std::vector<CelleRallentamento> r = accoppia_rallentamenti(celle);
  ASSERT_EQ(r.size(), 3u);
  EXPECT_EQ(r[0].inizio, 2u);
  EXPECT_EQ(r[0].fine, std::optional<size_t>(9));
  EXPECT_EQ(r[1].inizio, 4u);
  EXPECT_EQ(r[1].fine, std::optional<size_t>(6));
  EXPECT_EQ(r[2].inizio, 10u);
  EXPECT_EQ(r[2].fine, std::nullopt);
}

}  // namespace
}  // namespace scenario
