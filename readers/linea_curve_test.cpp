#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

#include "tests/linea_di_prova.h"

namespace scenario {
namespace {

// The bits of a double: a plan that promises the same bytes compares bits.
uint64_t bit(double valore) { return std::bit_cast<uint64_t>(valore); }

using test::LineaDiProva;

const Tracciato& leggi_curve(LineaDiProva& prova, std::initializer_list<const char*> voci) {
  EXPECT_TRUE(prova.leggi(test::descrizione(voci)));
  EXPECT_EQ(prova.stato.codice_errore, 0);
  return prova.stato.tracciato;
}

// Whether row c continues rows c-2 and c-1 in a straight line.
bool dritta(const Tracciato& t, size_t c) {
  const double x = t.x[c - 1].valore() + (t.x[c - 1].valore() - t.x[c - 2].valore());
  const double y = t.y[c - 1].valore() + (t.y[c - 1].valore() - t.y[c - 2].valore());
  return t.x[c].valore() == x && t.y[c].valore() == y;
}

TEST(Curve, RightCurveAfterAStraightRun) {
  LineaDiProva prova;
  const Tracciato& t = leggi_curve(prova, {"curvad6,  100,  400"});
  // Straight rows 2 to 100 along y.
  for (size_t c = 2; c <= 100; ++c) {
    ASSERT_EQ(t.x[c].tag, TagPunto::kReale) << c;
    ASSERT_EQ(t.x[c].reale, 0.0) << c;
    ASSERT_EQ(t.y[c].reale, static_cast<double>(c)) << c;
  }
  // Rows 101 and 102 worked by hand with k = 0.003, each operation rounded to
  // binary64: row 101 turns the step (0, 1) by k, so x = (0 + 0) + k * 1 is the
  // double of 0.003 and y = (100 + 1) - k * 0 is 101 exactly. Row 102 has
  // x = (x101 + x101) + k * 1 = 0.006 + 0.003, which rounds to one unit above
  // the double nearest 0.009, and y = (101 + 1) - k * x101, with k * k rounded
  // to 0x1.2dfd694ccab3fp-17 (9e-6), giving 101.999991.
  EXPECT_EQ(bit(t.x[101].reale), bit(0x1.89374bc6a7efap-9));
  EXPECT_EQ(bit(t.y[101].reale), bit(101.0));
  EXPECT_EQ(bit(t.x[102].reale), bit(0x1.26e978d4fdf3cp-7));
  EXPECT_EQ(bit(0x1.26e978d4fdf3cp-7), bit(0.009) + 1);
  EXPECT_EQ(bit(t.y[102].reale), bit(0x1.97fffda4052d6p+6));
  // Rows 101 to 500 are curved, and the plan goes straight on from 501.
  for (size_t c = 101; c <= 500; ++c) ASSERT_FALSE(dritta(t, c)) << c;
  EXPECT_TRUE(dritta(t, 501));
  EXPECT_TRUE(dritta(t, 94998));
  // 400 m turning right by about 0.003 per metre: heading about 1.2 rad, to +x.
  const double dx = t.x[500].reale - t.x[499].reale;
  const double dy = t.y[500].reale - t.y[499].reale;
  EXPECT_NEAR(std::atan2(dx, dy), 1.2, 0.01);
}

TEST(Curve, CurvatureDigitAndDirection) {
  struct Caso {
    const char* voce;
    double x101;
  };
  // The digit is searched "1" first, then "2" ... "6"; an "s" in any case
  // turns left.
  for (const Caso caso : {Caso{"curvas4,  100,  10", -0.001}, Caso{"curvaS1,  100,  10", -0.0001},
                          Caso{"curvad52,  100,  10", 0.0002}, Caso{"CURVAD5,  100,  10", 0.002},
                          Caso{"curvad3,  100,  10", 0.0004}}) {
    LineaDiProva prova;
    const Tracciato& t = leggi_curve(prova, {caso.voce});
    EXPECT_EQ(t.x[101].reale, (0.0 + 0.0) + caso.x101 * 1.0) << caso.voce;
  }
}

// The cursor only moves forward: a curve that ends behind it changes nothing,
// one that starts behind it is drawn from the cursor on.
TEST(Curve, CursorOnlyMovesForward) {
  LineaDiProva sola;
  const Tracciato& base = leggi_curve(sola, {"curvad6,  100,  400"});
  LineaDiProva coperta;
  const Tracciato& t = leggi_curve(coperta, {"curvad6,  100,  400", "curvad4,  200,  100"});
  for (size_t c = 0; c < base.x.size(); ++c) {
    ASSERT_EQ(t.x[c].reale, base.x[c].reale) << c;
    ASSERT_EQ(t.y[c].reale, base.y[c].reale) << c;
  }

  LineaDiProva parziale;
  const Tracciato& p = leggi_curve(parziale, {"curvad6,  100,  400", "curvas4,  450,  100"});
  EXPECT_EQ(p.x[500].reale, base.x[500].reale);
  const double dx = p.x[500].reale - p.x[499].reale;
  const double dy = p.y[500].reale - p.y[499].reale;
  EXPECT_EQ(p.x[501].reale, (p.x[500].reale + dx) + -0.001 * dy);
  EXPECT_FALSE(dritta(p, 550));
  EXPECT_TRUE(dritta(p, 551));
}

TEST(Curve, LastTwoRowsStayEmptyUnlessACurveEndsThere) {
  LineaDiProva dritta_fino_in_fondo;
  const Tracciato& t = leggi_curve(dritta_fino_in_fondo, {});
  EXPECT_EQ(t.x.size(), 95001u);
  EXPECT_EQ(t.y[94998].reale, 94998.0);
  for (size_t c : {94999u, 95000u}) {
    EXPECT_EQ(t.x[c].tag, TagPunto::kVuoto);
    EXPECT_EQ(t.y[c].tag, TagPunto::kVuoto);
  }
  LineaDiProva curva_finale;
  const Tracciato& f = leggi_curve(curva_finale, {"curvad1,  94800,  200"});
  EXPECT_EQ(f.x[95000].tag, TagPunto::kReale);
  EXPECT_FALSE(dritta(f, 95000));
}

}  // namespace
}  // namespace scenario
