#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "content/documenti.h"
#include "tests/cartella_temporanea.h"
#include "tests/documento_scritto.h"

namespace scenario {
namespace {

// A list item: its first line, how many lines it takes and its depth.
struct Voce {
  size_t prima;
  size_t righe;
  size_t livello;  // 1: "- ", continuation "  "; 2: "  - ", continuation "    "
};

constexpr Voce kVoci[] = {
    {4, 1, 1},  {5, 1, 1},  {31, 1, 1}, {32, 1, 1}, {33, 2, 1}, {35, 1, 1}, {36, 5, 1},
    {41, 1, 1}, {42, 2, 2}, {44, 1, 2}, {45, 1, 2}, {46, 1, 2}, {47, 1, 2}, {48, 1, 2},
    {49, 1, 2}, {50, 1, 2}, {51, 1, 1}, {52, 2, 2}, {54, 1, 1}, {55, 1, 2}, {56, 1, 2},
    {57, 2, 2}, {59, 2, 2}, {71, 2, 1}, {73, 1, 1}, {74, 2, 1}, {76, 1, 1},
};

const std::pair<size_t, std::string_view> kCitate[] = {
    {1, "Caratteristiche della linea Milano-Mortara-Alessandria"},
    {3, "La linea si compone di due tratte:"},
    {4, "- Milano Porta Genova - Mortara,"},
    {5, "- Mortara - Alessandria."},
    {30, "La Milano-Mortara ha le seguenti caratteristiche:"},
    {41, "- stazioni:"},
    {45, "  - Corsico,"},
    {46, "  - Gaggiano,"},
    {47, "  - Abbiategrasso,"},
    {49, "  - Parona Lomellina,"},
    {50, "  - Mortara;"},
    {51, "- fermate:"},
    {54, "- velocit\xE0:"},
    {70, "Lungo tutta la linea sono presenti quattro progressive chilometriche:"},
    {87, "Cenno storico"},
    {89, "La linea \xE8 stata elettrificata nel 1965."},
    {99, "- Bivio Mortara."},
    {133, "Caratteristiche del treno 2635"},
    {135, "Treno diretto in servizio dal 1994."},
    {139, "Composizione."},
};

const std::set<size_t> kVuote = {2,   18,  26,  29,  61,  85,  86,  88, 131,
                                 132, 134, 138, 150, 151, 153, 155, 156};

// "à", "è", "é", "ì", "ò", "ù" and "°" in Windows-1252.
const std::set<unsigned char> kAccentate = {0xE0, 0xE8, 0xE9, 0xEC, 0xF2, 0xF9, 0xB0};

bool rientro(const std::string& riga, size_t spazi, std::string_view dopo) {
  return riga.size() > spazi + dopo.size() && riga.compare(0, spazi, std::string(spazi, ' ')) == 0 &&
         riga.compare(spazi, dopo.size(), dopo) == 0 && riga[spazi + dopo.size()] != ' ';
}

TEST(DatiNote, WrittenFileFollowsTheLayoutOfTheNotes) {
  test::CartellaTemporanea cartella;
  ASSERT_TRUE(dati_note(test::nomi_documenti(cartella.percorso())).ok());
  std::vector<std::string> righe;
  ASSERT_TRUE(test::dividi_righe(cartella.leggi("MilanoPGen-Alessandria_2635_note.txt"), &righe));
  ASSERT_EQ(righe.size(), 156u);
  const auto riga = [&](size_t n) -> const std::string& { return righe[n - 1]; };

  for (size_t n = 1; n <= righe.size(); ++n) {
    EXPECT_EQ(riga(n).empty(), kVuote.count(n) == 1) << "line " << n;
    EXPECT_LE(riga(n).size(), 105u) << "line " << n;
  }
  for (const auto& [n, testo] : kCitate) EXPECT_EQ(riga(n), testo) << "line " << n;

  // A sentence broken at the end of a line keeps one blank before the break
  // and goes on in the next line.
  size_t con_spazio = 0;
  for (size_t n = 1; n <= righe.size(); ++n) {
    if (riga(n).empty() || riga(n).back() != ' ') continue;
    ++con_spazio;
    EXPECT_NE(riga(n)[riga(n).size() - 2], ' ') << "line " << n << " ends in two blanks";
    EXPECT_FALSE(n == righe.size() || riga(n + 1).empty()) << "line " << n << " breaks nothing";
  }
  EXPECT_EQ(con_spazio, 69u);
  EXPECT_EQ(riga(67).back(), ',');

  // List items and their continuation lines; every other line starts flush.
  std::set<size_t> in_elenco;
  for (const Voce& v : kVoci) {
    const size_t rientro_voce = v.livello == 1 ? 0 : 2;
    EXPECT_TRUE(rientro(riga(v.prima), rientro_voce, "- ")) << "line " << v.prima;
    for (size_t n = v.prima + 1; n < v.prima + v.righe; ++n) {
      EXPECT_TRUE(rientro(riga(n), rientro_voce + 2, "")) << "line " << n;
    }
    for (size_t n = v.prima; n < v.prima + v.righe; ++n) in_elenco.insert(n);
  }
  for (size_t n = 1; n <= righe.size(); ++n) {
    if (in_elenco.count(n) == 0 && !riga(n).empty()) {
      EXPECT_NE(riga(n)[0], ' ') << "line " << n;
    }
  }

  // One byte per character: printable ASCII or one of the accented letters,
  // each of which the text uses.
  std::set<unsigned char> usate;
  for (size_t n = 1; n <= righe.size(); ++n) {
    for (const char c : riga(n)) {
      const auto b = static_cast<unsigned char>(c);
      if (b >= 0x20 && b < 0x7F) continue;
      EXPECT_EQ(kAccentate.count(b), 1u) << "byte " << static_cast<int>(b) << " in line " << n;
      usate.insert(b);
    }
  }
  EXPECT_EQ(usate, kAccentate);
}

}  // namespace
}  // namespace scenario
