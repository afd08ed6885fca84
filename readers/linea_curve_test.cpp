#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "tests/linea_di_prova.h"

namespace scenario {
namespace {

using test::bit;
using test::LineaDiProva;

const Tracciato& leggi_curve(LineaDiProva& prova, std::initializer_list<const char*> voci) {
  EXPECT_TRUE(prova.leggi(test::descrizione(voci)));
  EXPECT_EQ(prova.stato.codice_errore, 0);
  return prova.stato.tracciato;
}

// Two plans row by row: the same tags and the same bits.
void uguali(const Tracciato& a, const Tracciato& b) {
  ASSERT_EQ(a.x.size(), b.x.size());
  for (size_t c = 0; c < a.x.size(); ++c) {
    ASSERT_EQ(a.x[c].tag, b.x[c].tag) << c;
    ASSERT_EQ(a.y[c].tag, b.y[c].tag) << c;
    ASSERT_EQ(bit(a.x[c].valore()), bit(b.x[c].valore())) << c;
    ASSERT_EQ(bit(a.y[c].valore()), bit(b.y[c].valore())) << c;
  }
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
  test::dritta_lungo_y(t, 2, 100);
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
  // 400 m turning right by about 0.003 per metre: a heading of about 1.2 rad
  // from y towards x, past pi / 4 and short of pi / 2, so the last step goes
  // forward in y and further in x.
  const double dx = t.x[500].reale - t.x[499].reale;
  const double dy = t.y[500].reale - t.y[499].reale;
  EXPECT_GT(dy, 0.0);
  EXPECT_GT(dx, dy);
}

TEST(Curve, CurvatureDigitAndDirection) {
  struct Caso {
    const char* voce;
    double x101;
  };
  // The digit is searched "1" first, then "2" ... "6"; an "s" in any case
  // turns left. Row 101 turns the step (0, 1): x = (0 + 0) + k * 1 is k itself.
  for (const Caso caso : {Caso{.voce = "curvas4,  100,  10", .x101 = -0.001},
                          Caso{.voce = "curvaS1,  100,  10", .x101 = -0.0001},
                          Caso{.voce = "curvad52,  100,  10", .x101 = 0.0002},
                          Caso{.voce = "CURVAD5,  100,  10", .x101 = 0.002},
                          Caso{.voce = "curvad3,  100,  10", .x101 = 0.0004}}) {
    LineaDiProva prova;
    const Tracciato& t = leggi_curve(prova, {caso.voce});
    EXPECT_EQ(bit(t.x[101].reale), bit(caso.x101)) << caso.voce;
  }
}

// The cursor only moves forward: a curve that ends behind it changes nothing,
// one that starts behind it is drawn from the cursor on.
TEST(Curve, CursorOnlyMovesForward) {
  LineaDiProva sola;
  const Tracciato& base = leggi_curve(sola, {"curvad6,  100,  400"});
  LineaDiProva coperta;
  const Tracciato& t = leggi_curve(coperta, {"curvad6,  100,  400", "curvad4,  200,  100"});
  uguali(t, base);

  // A curve at 450 m, 100 m long, behind a cursor at 501 draws rows 501 to
  // 550: the same plan as a curve at 500 m, 50 m long.
  LineaDiProva parziale;
  const Tracciato& p = leggi_curve(parziale, {"curvad6,  100,  400", "curvas4,  450,  100"});
  LineaDiProva dal_cursore;
  const Tracciato& d = leggi_curve(dal_cursore, {"curvad6,  100,  400", "curvas4,  500,  50"});
  uguali(p, d);
  EXPECT_NE(bit(p.x[501].reale), bit(base.x[501].reale));
  EXPECT_FALSE(dritta(p, 550));
  EXPECT_TRUE(dritta(p, 551));
}

TEST(Curve, LastTwoRowsStayEmptyUnlessACurveEndsThere) {
  LineaDiProva dritta_fino_in_fondo;
  const Tracciato& t = leggi_curve(dritta_fino_in_fondo, {});
  EXPECT_EQ(t.x.size(), 95001u);
  EXPECT_EQ(bit(t.y[94998].reale), bit(94998.0));
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
