#include "verifica/controlli_voci.h"

#include <gtest/gtest.h>

#include "verifica/voci_lette.h"

#include <string>
#include <vector>

namespace scenario::tool {
namespace {

// An entry on line `riga`, its key at column 1 and value i at column 11 + 6 i.
// Entries of the line description are in l.txt, the train's in t.txt.
VoceLetta voce(ParolaChiave tipo, int riga, std::vector<int32_t> valori, std::string testo = "") {
  VoceLetta v;
  v.parola = tipo.prima;
  v.seconda = tipo.seconda;
  const bool di_linea = tipo.seconda == "progressiva" || tipo.prima == "pendenza" || tipo.prima == "indicat";
  v.file = di_linea ? "l.txt" : "t.txt";
  v.chiave = {riga, 1, 8};
  for (size_t i = 0; i < valori.size(); ++i) v.dove_valori.push_back({riga, 11 + 6 * i, 4});
  v.valori = std::move(valori);
  v.testo = std::move(testo);
  v.dove_testo = {riga, 40, v.testo.size()};
  return v;
}

struct Trovata {
  std::string tipo;
  Gravita gravita;
  std::string file;
  int riga;
  size_t colonna;
  std::string messaggio;

  bool operator==(const Trovata&) const = default;
};

std::vector<Trovata> trovate(const Compilatore& stato, const Traccia& traccia) {
  std::vector<Trovata> t;
  for (const Diagnostica& d : controlla_voci(stato, traccia, "t.txt")) {
    t.push_back({d.tipo, d.gravita, d.file, d.riga, d.colonna, d.messaggio});
  }
  return t;
}

Compilatore linea_di(int32_t lunghezza) {
  Compilatore stato;
  stato.elementi[kRigaValoriCorsa].dato2 = lunghezza;
  return stato;
}

TEST(ControlliVoci, ValuesTheNarrowFieldsWouldWrap) {
  Traccia t;
  t.voci = {voce(parole::kPendenza, 3, {1000, 180}), voce(parole::kPendenza, 4, {2000, -100}),
            voce(parole::kPendenza, 5, {3000, 155}), voce(parole::kPendenza, 6, {4000, 156}),
            voce(parole::kAderenza, 7, {0, 300}),    voce(parole::kAderenza, 8, {0, 255}),
            voce(parole::kAderenza, 9, {0, -1})};
  EXPECT_EQ(trovate(linea_di(88000), t),
            (std::vector<Trovata>{
                {"value-wrapped", Gravita::kErrore, "l.txt", 3, 17, "gradient 180 per mille would be stored as -76"},
                {"value-wrapped", Gravita::kErrore, "l.txt", 6, 17, "gradient 156 per mille would be stored as -100"},
                {"value-wrapped", Gravita::kErrore, "t.txt", 7, 17, "adhesion 300 would be stored as 44"},
                {"value-wrapped", Gravita::kErrore, "t.txt", 9, 17, "adhesion -1 would be stored as 255"},
            }));
}

TEST(ControlliVoci, TextsTooLongOrWithControlCharacters) {
  Traccia t;
  t.voci = {voce(parole::kStazione, 2, {0}, std::string(65535, 'A')),
            voce(parole::kStazione, 3, {5000}, std::string(65536, 'B')),
            voce(parole::kCartello, 4, {6000}, "ALT\x07O")};
  const std::vector<Diagnostica> d = controlla_voci(linea_di(88000), t, "t.txt");
  ASSERT_EQ(d.size(), 2u);
  EXPECT_EQ(d[0].tipo, "text-too-long");
  EXPECT_EQ(d[0].riga, 3);
  EXPECT_EQ(d[0].codice, 25);
  EXPECT_EQ(d[0].messaggio, "a text of 65536 bytes does not fit its 16-bit length");
  EXPECT_EQ(d[1].tipo, "control-character");
  EXPECT_EQ(d[1].gravita, Gravita::kAvviso);
  EXPECT_EQ(d[1].colonna, 43u);  // the text starts at 40; the bell is its fourth byte
}

TEST(ControlliVoci, ObjectsTheTrainNeverReaches) {
  Traccia t;
  t.voci = {voce(parole::kStazione, 2, {0}, "ORIGINE"),
            voce(parole::kStazione, 3, {85000}, "CAPOLINEA"),
            voce(parole::kSegnale, 4, {88000}),
            voce(parole::kSegnale, 5, {88050}),
            voce(parole::kRallentamento, 6, {80000, 60, 1000}),
            voce(parole::kRallentamento, 7, {84000, 60, 2000}),
            voce(parole::kCartello, 8, {90000}, "FINE")};
  EXPECT_EQ(trovate(linea_di(88000), t),
            (std::vector<Trovata>{
                {"in-margin", Gravita::kAvviso, "t.txt", 5, 11,
                 "signal at 88050 m lies after the end of the line (88000 m)"},
                {"in-margin", Gravita::kAvviso, "l.txt", 8, 11,
                 "signpost at 90000 m lies after the end of the line (88000 m)"},
                {"slowdown-past-end", Gravita::kAvviso, "t.txt", 7, 23,
                 "slowdown from 84000 m to 86000 m runs past the last station, CAPOLINEA at 85000 m"},
            }));
}

TEST(ControlliVoci, KilometrePostSystemsTheOrderingDrops) {
  // Every start at 0 and no value above 0: the ordering leaves rows 81 to 83 at 0.
  Traccia soli_zeri;
  soli_zeri.voci = {voce(parole::kProgressivaUno, 2, {0, 0, 1}), voce(parole::kProgressivaDue, 3, {0, 0, 0})};
  EXPECT_EQ(trovate(linea_di(88000), soli_zeri),
            (std::vector<Trovata>{{"km-post-dropped", Gravita::kErrore, "l.txt", 2, 1,
                                   "kilometre-post system \"uno\" (start 0 m, value 0 m) is dropped"}}));

  // The scenario's own systems, as the ordering leaves them: nothing dropped.
  Traccia scenario;
  scenario.voci = {voce(parole::kProgressivaUno, 2, {0, 5200, 0}), voce(parole::kProgressivaDue, 3, {31700, 44400, 1}),
                   voce(parole::kProgressivaTre, 4, {44400, 86700, 1})};
  Compilatore ordinato = linea_di(88000);
  auto riga = [&](int r, int32_t inizio, int32_t valore, int32_t direzione) {
    Elemento& e = ordinato.elementi[static_cast<size_t>(r)];
    e.dato1 = inizio, e.dato2 = valore, e.dato3 = direzione;
  };
  riga(kRigaProgressivaTre, 44400, 86800, 1);
  riga(kRigaProgressivaDue, 31700, 44500, 1);
  riga(kRigaProgressivaUno, 0, 5200, 0);
  EXPECT_TRUE(trovate(ordinato, scenario).empty());

  // Two systems share the furthest start: all three are cleared.
  Traccia pari;
  pari.voci = {voce(parole::kProgressivaTre, 2, {30000, 50000, 0}),
               voce(parole::kProgressivaDue, 3, {30000, 40000, 1})};
  const std::vector<Diagnostica> d = controlla_voci(linea_di(88000), pari, "t.txt");
  ASSERT_EQ(d.size(), 2u);
  EXPECT_EQ(d[0].riga, 3);  // "due" is reported before "tre"
  EXPECT_EQ(d[1].riga, 2);
  EXPECT_NE(d[0].suggerimento.find("share the furthest start"), std::string::npos);
}

TEST(ControlliVoci, ATrainDescriptionWithoutItsGeneralSection) {
  Traccia t;
  t.treno_letto = true;
  EXPECT_EQ(trovate(linea_di(88000), t),
            (std::vector<Trovata>{{"no-general", Gravita::kErrore, "t.txt", 0, 0,
                                   "no \"[generale]\" in the train description: none of it is read"}}));
  t.generale_treno = true;
  EXPECT_TRUE(trovate(linea_di(88000), t).empty());
  // A train half that never ran says nothing about its file.
  EXPECT_TRUE(trovate(linea_di(88000), Traccia{}).empty());
}

}  // namespace
}  // namespace scenario::tool
