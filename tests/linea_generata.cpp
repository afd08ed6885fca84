#include "tests/linea_generata.h"

#include <algorithm>
#include <array>

namespace scenario::test {
namespace {

void riga(std::string& testo, const std::string& contenuto) {
  testo += contenuto;
  testo += "\r\n";
}

std::string n(int64_t valore) { return std::to_string(valore); }

// Curves stop this far before the line's end, so none reaches the plan's
// last rows however long the line is.
constexpr int32_t kMargine = 2000;
constexpr int kMaxCartelli = 20;  // signposts and stations share 79 table rows
constexpr int kMaxStazioni = 50;
constexpr int kMaxMontagne = 80;

}  // namespace

std::string linea_generata(int32_t lunghezza) {
  std::string t;
  riga(t, "[generale]");
  riga(t, "lunghezza percorso,  " + n(lunghezza));
  riga(t, "progressiva chilometrica uno,  0,  0,  0");
  riga(t, "sfondo uno,  1");
  riga(t, "sfondo due,  0");
  riga(t, "sfondo tre,  0");
  riga(t, "ripetizione segnali 4 codici,  0,  0");

  riga(t, "[curve]");
  // One curve in each kilometre, 100 to 500 m long, turning alternately
  // right and left through the six curvatures.
  for (int32_t km = 0; 1000 * km + 700 + kMargine <= lunghezza; ++km) {
    const std::string chiave = std::string("curva") + (km % 2 == 0 ? "d" : "s") + n(km % 6 + 1);
    riga(t, chiave + ",  " + n(1000 * km + 200) + ",  " + n(100 + 100 * (km % 5)));
  }
  riga(t, "[pendenze]");
  for (int32_t km = 0; 1000 * km + 500 + kMargine <= lunghezza; ++km) {
    riga(t, "pendenza,  " + n(1000 * km + 500) + ",  " + n(km * 7 % 13 - 6));
  }
  riga(t, "[montagne]");
  for (int32_t m = 0; m < kMaxMontagne && 12500 * m + 4000 + kMargine <= lunghezza; ++m) {
    riga(t, "montagna,  " + n(12500 * m + 2000) + ",  " + n(12500 * m + 4000) + ",  11");
  }
  riga(t, "[cartelli]");
  for (int32_t d = 0; 10000 * d + 3000 + kMargine <= lunghezza; ++d) {
    riga(t, "indicatori_vmax,  " + n(10000 * d + 3000) + ",  100,  105,  105,  0,  ,  ,  ,  0");
  }
  riga(t, "[indicazioni]");
  for (int32_t d = 0; d < kMaxCartelli && 10000 * d + 7000 + kMargine <= lunghezza; ++d) {
    riga(t, "cartello_indicatore,  " + n(10000 * d + 7000) + ",     (   P.L.  )(km " + n(10 * d + 7) + ")");
  }
  riga(t, "[fine]");
  return t;
}

std::string treno_generato(int32_t lunghezza) {
  constexpr std::array<int, 4> kVelocita{90, 130, 100, 120};
  std::string t;
  riga(t, "[generale]");
  riga(t, "numero vetture,  9");
  riga(t, "percentuale massa frenata,  130");
  riga(t, "sabbia,  300");
  riga(t, "orologio,     6               0            0");
  riga(t, "[aderenze]");
  riga(t, "aderenza,  0,  100");
  riga(t, "[vel_limite]");
  riga(t, "velocita,  0,  30");
  for (int32_t d = 0; 5000 * d + 1250 + kMargine <= lunghezza; ++d) {
    riga(t, "velocita,  " + n(5000 * d + 1250) + ",  " + n(kVelocita[static_cast<size_t>(d) % kVelocita.size()]));
  }
  riga(t, "[stazioni]");
  // Stations 10 km apart (closer on a short line), stopping cells at
  // position / 50 + 5, clear of the signals' cells.
  const int32_t passo = std::max<int32_t>(5000, (lunghezza / kMaxStazioni + 4999) / 5000 * 5000);
  for (int32_t s = 0; s < kMaxStazioni && passo * s + 800 + kMargine <= lunghezza; ++s) {
    const int32_t orario = 6 * 3600 + 300 * s;
    riga(t, "stazione,  " + n(passo * s) + ",  12,  " + (s == 0 ? "800" : "600") +
                ",  0,  0,  0,  1,  1,  0,  4,  1,  1,  " + (s == 0 ? "1" : "60") + ",  " + n(orario / 3600) +
                ",  " + n(orario / 60 % 60) + ",  " + n(orario % 60) + ",   STAZIONE " + n(s + 1));
  }
  riga(t, "[segnali]");
  for (int32_t i = 0; 2500 * i + 1200 + kMargine <= lunghezza; ++i) {
    riga(t, "segnale,  " + n(2500 * i + 1200) + ",  " + n(i % 2 + 1) + ",  4,  1,  0,  0,  0,  0,  0,  0,  0");
  }
  riga(t, "[fine]");
  return t;
}

}  // namespace scenario::test
