// A compile taken up at a point of an earlier reading, on texts changed after
// that point, ends exactly as a compile of the changed texts from the start:
// the same compiled bytes, faults, warnings and record of the entries.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "content/documenti.h"
#include "content/lista_righe.h"
#include "driver/compila_testi.h"
#include "model/file_compilati.h"
#include "readers/ripresa.h"
#include "tests/coppia_casuale.h"

namespace scenario {
namespace {

// What a compile ends with, in a form to compare.
struct Fine {
  bool file_scritti = false;
  int32_t fatale = 0;
  std::string tabella, celle, tracciato;
  std::vector<std::tuple<int32_t, int32_t, std::string, int, int>> guasti;
  std::vector<std::tuple<std::string, std::string, int, int>> avvisi;
  std::vector<std::tuple<std::string, std::string, int, size_t, std::vector<int32_t>, std::string>> voci;
  std::vector<int32_t> origine;
  bool troncata = false;
  bool operator==(const Fine&) const = default;
};

Fine fine_di(const Compilazione& c, const Traccia& t) {
  Fine f;
  f.file_scritti = c.esito.file_scritti;
  f.fatale = c.esito.fatale;
  if (c.esito.file_scritti) {
    FileCodificati file = codifica_file_compilati(c.stato);
    f.tabella = std::move(file.tabella);
    f.celle = std::move(file.celle);
    f.tracciato = file.tracciato.value_or("");
  }
  for (const Guasto& g : c.stato.guasti) f.guasti.emplace_back(g.codice, g.posizione.value_or(-1), g.file, g.riga, g.colonna);
  for (const Avvertimento& a : c.stato.avvertimenti) f.avvisi.emplace_back(a.testo, a.file, a.riga, a.colonna);
  for (const VoceLetta& v : t.voci) {
    f.voci.emplace_back(std::string(v.parola), std::string(v.file), v.chiave.riga, v.chiave.colonna, v.valori, v.testo);
  }
  f.origine = t.origine;
  f.troncata = t.troncata;
  return f;
}

// Blanks, with spaces, the first line of `testo` that starts after `offset`.
bool svuota_dopo(std::string* testo, size_t offset) {
  size_t inizio = testo->find_first_of("\r\n", offset);
  if (inizio == std::string::npos) return false;
  inizio = testo->find_first_not_of("\r\n", inizio);
  if (inizio == std::string::npos) return false;
  const size_t fine = std::min(testo->find_first_of("\r\n", inizio), testo->size());
  std::fill(testo->begin() + static_cast<ptrdiff_t>(inizio), testo->begin() + static_cast<ptrdiff_t>(fine), ' ');
  return true;
}

struct Caso {
  const char* nome;
  std::string linea;
  std::string treno;
};

// Replaces the first digit at or after `da` of `testo` with an 'x': the entry
// holding it cannot be read, and the compile stops there.
std::string con_guasto(std::string testo, size_t da) {
  const size_t cifra = testo.find_first_of("0123456789", da);
  if (cifra != std::string::npos) testo[cifra] = 'x';
  return testo;
}

std::vector<Caso> casi() {
  const std::string linea = ListaRighe(righe_linea()).testo();
  const std::string treno = ListaRighe(righe_treno()).testo();
  const test::CoppiaCasuale casuale = test::coppia_casuale(7);
  // Of the scenario, points in every loop: the line's general section and
  // objects, the train's entries.
  return {
      {"scenario", linea, treno},
      {"scenario, a fault in the line's objects", con_guasto(linea, linea.size() * 2 / 3), treno},
      {"scenario, a fault in the train", linea, con_guasto(treno, treno.size() / 2)},
      {"random pair", casuale.linea, casuale.treno},
      {"random pair, a fault in the line's general section",
       con_guasto(casuale.linea, casuale.linea.find("[generale]") + 12), casuale.treno},
  };
}

TEST(Ripresa, FromAPointOnChangedTextsAsFromTheStart) {
  for (const Caso& caso : casi()) {
    SCOPED_TRACE(caso.nome);
    TestiDaCompilare testi;
    testi.linea.nome = "l.txt";
    testi.treno.nome = "t.txt";
    // A point between every two entries, all kept.
    Riprese riprese(1, 1000000);
    Traccia prima;
    testi.traccia = &prima;
    testi.riprese = &riprese;
    (void)compila_testi(testi, caso.linea, caso.treno);
    const std::deque<PuntoLettura>& punti = riprese.punti();
    ASSERT_FALSE(punti.empty());

    // Some twenty points spread over the reading, each with the line after
    // it blanked.
    const size_t ogni = std::max<size_t>(1, punti.size() / 20);
    for (size_t i = 0; i < punti.size(); i += ogni) {
      const PuntoLettura& p = punti[i];
      std::string linea = caso.linea;
      std::string treno = caso.treno;
      if (!svuota_dopo(p.di_treno() ? &treno : &linea, p.offset())) continue;
      SCOPED_TRACE(testing::Message() << "point " << i << (p.di_treno() ? " of the train at " : " of the line at ")
                                      << p.offset());
      TestiDaCompilare da_capo;
      da_capo.linea.nome = "l.txt";
      da_capo.treno.nome = "t.txt";
      Traccia traccia_capo;
      da_capo.traccia = &traccia_capo;
      const Compilazione attesa = compila_testi(da_capo, linea, treno);

      // The record is the one the first reading grew, taken back to the point.
      TestiDaCompilare ripresa = da_capo;
      Traccia traccia_ripresa = prima;
      ripresa.traccia = &traccia_ripresa;
      ripresa.da = &p;
      const Compilazione ripresa_c = compila_testi(ripresa, linea, treno);
      EXPECT_TRUE(fine_di(attesa, traccia_capo) == fine_di(ripresa_c, traccia_ripresa));
    }
  }
}

// A point of `ciclo` whose cursor stands at `offset`.
PuntoLettura punto(Ciclo ciclo, size_t offset) {
  const std::string righe(offset + 1, '\n');
  LettoreCampi l(righe);
  std::string campo;
  while (l.posizione() < offset) l.leggi_testo(&campo);
  PuntoLettura p;
  p.ciclo = ciclo;
  p.cursore = LettoreCampi({}, l);
  return p;
}

std::vector<std::pair<bool, size_t>> posti(const Riprese& r) {
  std::vector<std::pair<bool, size_t>> o;
  for (const PuntoLettura& p : r.punti()) o.emplace_back(p.di_treno(), p.offset());
  return o;
}

// The last points are kept; a change drops those at or after it and none
// before, a point of the line staying for a change in the train; the next
// point of each text is due a step after the last one kept.
TEST(Ripresa, KeepsTheLastPointsAndDropsThoseAChangeReaches) {
  Riprese r(10, 4);
  EXPECT_TRUE(r.vuole(false, 0));
  for (const size_t o : {0u, 100u, 200u}) r.tieni(punto(Ciclo::kOggettiLinea, o));
  EXPECT_FALSE(r.vuole(false, 209));
  EXPECT_TRUE(r.vuole(false, 210));
  EXPECT_TRUE(r.vuole(true, 0));
  for (const size_t o : {0u, 50u}) r.tieni(punto(Ciclo::kVociTreno, o));
  using P = std::vector<std::pair<bool, size_t>>;
  EXPECT_EQ(posti(r), (P{{false, 100}, {false, 200}, {true, 0}, {true, 50}}));

  r.cambiato(true, 50);
  EXPECT_EQ(posti(r), (P{{false, 100}, {false, 200}, {true, 0}}));
  EXPECT_TRUE(r.vuole(true, 10));
  r.cambiato(false, 201);
  EXPECT_EQ(posti(r), (P{{false, 100}, {false, 200}}));
  EXPECT_TRUE(r.vuole(true, 0));
  r.cambiato(false, 200);
  EXPECT_EQ(posti(r), (P{{false, 100}}));
  EXPECT_FALSE(r.vuole(false, 109));
  r.cambiato(false, 0);
  EXPECT_EQ(r.ultimo(), nullptr);
  EXPECT_TRUE(r.vuole(false, 0));
}

}  // namespace
}  // namespace scenario
