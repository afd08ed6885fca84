#include "verifica/spiega_guasti.h"

#include <gtest/gtest.h>

#include "verifica/voci_lette.h"

#include <string>
#include <vector>

namespace scenario::tool {
namespace {

// A cell array of 100 cells and the entries that put objects into it.
struct Fixture {
  Compilatore stato;
  Traccia traccia;

  Fixture() {
    stato.celle.resize(100);
    stato.ultima_cella = 99;
    traccia.origine.assign(100, -1);
  }
  int32_t voce(ParolaChiave tipo, const std::string& file, int riga, std::vector<int32_t> valori = {},
               std::string testo = "") {
    VoceLetta v;
    v.parola = tipo.prima;
    v.seconda = tipo.seconda;
    v.file = traccia.nome(file);
    v.chiave = {riga, 1, 8};
    v.valori = std::move(valori);
    v.testo = std::move(testo);
    traccia.voci.push_back(v);
    return static_cast<int32_t>(traccia.voci.size() - 1);
  }
  void posa(int64_t cella, uint8_t tipo, int32_t voce) {
    stato.celle[static_cast<size_t>(cella)].tipo = tipo;
    traccia.origine[static_cast<size_t>(cella)] = voce;
  }
};

Guasto guasto(int32_t codice, std::optional<int32_t> posizione, std::string file, int riga) {
  Guasto g;
  g.codice = codice;
  g.posizione = posizione;
  g.file = std::move(file);
  g.riga = riga;
  g.colonna = riga > 0 ? 1 : 0;
  return g;
}

TEST(SpiegaGuasti, ACellThatIsNotFreeNamesTheEntryHoldingIt) {
  Fixture f;
  f.posa(25, kStazione, f.voce(parole::kStazione, "t.txt", 14, {1000}, "MILANO"));
  f.voce(parole::kSegnale, "t.txt", 30, {1200});
  f.traccia.cella_occupata = 25;
  const Diagnostica d = spiega_guasto(guasto(16, 1200, "t.txt", 30), f.stato, f.traccia);
  EXPECT_EQ(d.tipo, "fault-16");
  EXPECT_EQ(d.codice, 16);
  EXPECT_EQ(d.file, "t.txt");
  EXPECT_EQ(d.riga, 30);
  EXPECT_EQ(d.colonna, 1u);
  EXPECT_EQ(d.messaggio, "signal cell is not free (Errore n. 16 at 1200 m)");
  EXPECT_EQ(d.suggerimento, "cell 25 (1250 m to 1300 m) already holds the stopping cell of the station at t.txt:14 (MILANO)");
}

TEST(SpiegaGuasti, StationSpacingGivesBothZonesAndTheFirstPositionAllowed) {
  Fixture f;
  f.voce(parole::kStazione, "t.txt", 3, {0}, "MILANO");
  f.voce(parole::kStazione, "t.txt", 4, {900}, "CORSICO");
  f.stato.elementi[1].dato1 = -400, f.stato.elementi[1].dato2 = 400;
  f.stato.elementi[2].dato1 = 500, f.stato.elementi[2].dato2 = 1300;
  const Diagnostica d = spiega_guasto(guasto(22, 900, "t.txt", 4), f.stato, f.traccia);
  EXPECT_EQ(d.messaggio, "stop zone 500 m to 1300 m starts less than 350 m after the zone of MILANO, -400 m to 400 m (Errore n. 22 at 900 m)");
  // At 1150 m the zone starts at 750 m, 350 m after 400 m.
  EXPECT_EQ(d.suggerimento, "the first position allowed is 1150 m");
  EXPECT_EQ(d.posizione_consentita, 1150);

  Fixture indietro;
  indietro.voce(parole::kStazione, "t.txt", 3, {5000}, "MILANO");
  indietro.voce(parole::kStazione, "t.txt", 4, {4000}, "CORSICO");
  const Diagnostica o = spiega_guasto(guasto(22, 4000, "t.txt", 4), indietro.stato, indietro.traccia);
  EXPECT_EQ(o.messaggio, "stations out of order: this one at 4000 m comes after MILANO at 5000 m (t.txt:3) (Errore n. 22 at 4000 m)");
  EXPECT_EQ(o.suggerimento, "list the stations in order of position");
}

TEST(SpiegaGuasti, LayoutFaultsStandAtTheSlowdownAndNameWhatIsInTheWay) {
  Fixture f;
  const int32_t segnale = f.voce(parole::kSegnale, "t.txt", 9);
  const int32_t cartello = f.voce(parole::kCartello, "l.txt", 7, {}, "ALT");
  const int32_t stazione = f.voce(parole::kStazione, "t.txt", 5, {}, "X");
  const int32_t rallentamento = f.voce(parole::kRallentamento, "t.txt", 20);
  const int32_t abbattimento = f.voce(parole::kAbbattimento, "t.txt", 11);

  // A whole window before a slowdown starting at cell 30 is taken.
  f.posa(30, kInizioRallentamento, rallentamento);
  for (int64_t c : {23, 24, 25}) f.posa(c, kSegnale, segnale);
  Diagnostica d = spiega_guasto(guasto(12, 1500, "", 0), f.stato, f.traccia);
  EXPECT_EQ(d.file, "t.txt");
  EXPECT_EQ(d.riga, 20);
  EXPECT_EQ(d.suggerimento, "cells 23 to 25 (1150 m to 1300 m) before its start hold the signal at t.txt:9");

  // No room before a signal at cell 40 that a warning board at cell 50 looks back on.
  f.posa(40, kSegnale, segnale);
  f.posa(39, kStazione, stazione);
  f.posa(38, kCartello, cartello);
  f.posa(50, kAvvisoRallentamento, rallentamento);
  d = spiega_guasto(guasto(11, 2000, "", 0), f.stato, f.traccia);
  EXPECT_EQ(d.riga, 20);
  EXPECT_EQ(d.suggerimento,
            "no free cell before the signal at t.txt:9: cells 38 to 39 (1900 m to 2000 m) hold the signpost at "
            "l.txt:7 (ALT) and the stopping cell of the station at t.txt:5 (X)");

  // No room before a signal after the slowdown's end at cell 60.
  f.posa(60, kFineRallentamento, rallentamento);
  f.posa(65, kSegnale, segnale);
  f.posa(63, kAbbattimento, abbattimento);
  f.posa(64, kAbbattimento, abbattimento);
  d = spiega_guasto(guasto(13, 3000, "", 0), f.stato, f.traccia);
  EXPECT_EQ(d.riga, 20);
  EXPECT_EQ(d.suggerimento,
            "no free cell before the signal at t.txt:9 after its end: cells 63 to 64 (3150 m to 3250 m) hold the "
            "abbattimento at t.txt:11");
}

}  // namespace
}  // namespace scenario::tool
