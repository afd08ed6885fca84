#include "verifica/recupero.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace scenario::tool {
namespace {

Guasto guasto(int32_t codice, std::string file = "", int riga = 0) {
  Guasto g;
  g.codice = codice;
  g.file = std::move(file);
  g.riga = riga;
  return g;
}

// A stand-in for the compile step with the same way of stopping: a line "F<n>"
// is an entry with fault n, which ends the reading; a line "L<n>" read before
// that leaves fault n for the layout pass, which runs whatever happened.
std::vector<Guasto> guasti_finti(std::string_view linea, std::string_view treno) {
  std::vector<Guasto> guasti;
  std::vector<Guasto> posa;
  for (const auto& [nome, testo] : {std::pair{"l.txt", &linea}, std::pair{"t.txt", &treno}}) {
    std::istringstream righe{std::string(*testo)};
    std::string riga;
    for (int n = 1; std::getline(righe, riga); ++n) {
      if (riga.starts_with("L")) posa.push_back(guasto(std::stoi(riga.substr(1))));
      if (!riga.starts_with("F")) continue;
      guasti.push_back(guasto(std::stoi(riga.substr(1)), nome, n));
      guasti.insert(guasti.end(), posa.begin(), posa.end());
      return guasti;
    }
  }
  guasti.insert(guasti.end(), posa.begin(), posa.end());
  return guasti;
}

// Each fault told with its code in the message; one warning per run.
Prova compila_finta(std::string_view linea, std::string_view treno, const Cambio* = nullptr) {
  Prova p;
  p.guasti = guasti_finti(linea, treno);
  for (const Guasto& g : p.guasti) {
    p.spiegazioni.push_back({.tipo = "fault", .file = g.file, .riga = g.riga, .messaggio = std::to_string(g.codice)});
  }
  p.altre.push_back({.gravita = Gravita::kAvviso, .tipo = "run", .messaggio = "end"});
  return p;
}

using Trovato = std::tuple<int32_t, std::string, int>;  // code, file, line

std::vector<Trovato> trovati(const EsitoRecupero& r) {
  std::vector<Trovato> t;
  for (const Diagnostica& d : r.diagnostiche) {
    if (d.tipo == "fault") t.emplace_back(std::stoi(d.messaggio), d.file, d.riga);
  }
  return t;
}

TEST(Recupero, EveryFaultOfEveryEntryThenTheLayoutOnesOfTheWholeReading) {
  // Each run is told where its texts first differ from the run before's.
  std::vector<std::tuple<bool, size_t>> cambi;
  const CompilaProva compila = [&](std::string_view l, std::string_view t, const Cambio* cambio) {
    if (cambio != nullptr) cambi.emplace_back(cambio->treno, cambio->offset);
    return compila_finta(l, t);
  };
  const EsitoRecupero r = recupera("a\nF15\nb\n", "F16\nc\nF22\nL12\n", "l.txt", "t.txt", compila, 50);
  EXPECT_EQ(trovati(r), (std::vector<Trovato>{{15, "l.txt", 2}, {16, "t.txt", 1}, {22, "t.txt", 3}, {12, "", 0}}));
  EXPECT_EQ(r.prove, 4u);
  EXPECT_FALSE(r.al_limite);
  // The other diagnostics are the last run's alone.
  EXPECT_EQ(r.diagnostiche.size(), 5u);
  EXPECT_EQ(r.diagnostiche.back().messaggio, "end");
  // The blanked lines keep their bytes' places.
  EXPECT_EQ(r.linea, "a\n   \nb\n");
  EXPECT_EQ(r.treno, "   \nc\n   \nL12\n");
  EXPECT_EQ(cambi, (std::vector<std::tuple<bool, size_t>>{{false, 2}, {true, 0}, {true, 6}}));
}

TEST(Recupero, NothingIsReadOnAfterAFaultOfTheWholePair) {
  const EsitoRecupero r = recupera("F28\nF15\n", "F16\n", "l.txt", "t.txt", compila_finta, 50);
  EXPECT_EQ(trovati(r), (std::vector<Trovato>{{28, "l.txt", 1}}));
  EXPECT_EQ(r.prove, 1u);
}

TEST(Recupero, StopsAtTheLimitOfRunsAndSaysSo) {
  const EsitoRecupero r = recupera("F25\nF25\nF25\nF25\n", "", "l.txt", "t.txt", compila_finta, 3);
  EXPECT_EQ(trovati(r), (std::vector<Trovato>{{25, "l.txt", 1}, {25, "l.txt", 2}, {25, "l.txt", 3}}));
  EXPECT_TRUE(r.al_limite);
}

TEST(Recupero, AnEntryWhoseValuesRanOnIsDroppedAtItsKey) {
  // The fault stands on line 3, where the entry of line 2 read a bad value.
  const CompilaProva compila = [](std::string_view linea, std::string_view, const Cambio*) {
    Prova p;
    if (linea.starts_with("K")) {
      p.guasti.push_back(guasto(25, "l.txt", 3));
      p.spiegazioni.push_back({.tipo = "fault", .file = "l.txt", .riga = 3, .messaggio = "25"});
      p.righe_voce.push_back(1);
    }
    return p;
  };
  const EsitoRecupero r = recupera("K\nx\nV\n", "", "l.txt", "t.txt", compila, 50);
  EXPECT_EQ(r.linea, " \nx\nV\n");
  EXPECT_EQ(r.prove, 2u);
}

TEST(Recupero, LineEndsKeptWhenALineIsBlanked) {
  const EsitoRecupero r = recupera("x\r\nF15\r\ny", "", "l.txt", "t.txt", compila_finta, 50);
  EXPECT_EQ(r.linea, "x\r\n   \r\ny");
}

TEST(Recupero, TheRunsReadAFewTimesThePairHoweverManyFaults) {
  // 1 MiB of lines with a fault every KiB. Each run of this stand-in reads up
  // to its first fault, as the readers stop there, and counts what it read.
  std::string linea;
  for (int n = 0; linea.size() < (1u << 20); ++n) linea += n % 64 == 0 ? "F25\n" : "xxxxxxxxxxxxxxx\n";
  size_t letti = 0;
  const CompilaProva compila = [&](std::string_view l, std::string_view t, const Cambio*) {
    Prova p;
    const size_t f = l.starts_with("F") ? 0 : l.find("\nF");
    if (f == std::string_view::npos) {
      letti += l.size() + t.size();
      return p;
    }
    letti += f;
    const int riga = 1 + static_cast<int>(std::count(l.begin(), l.begin() + static_cast<ptrdiff_t>(f) + 1, '\n'));
    p.guasti.push_back(guasto(25, "l.txt", riga));
    p.spiegazioni.push_back({.tipo = "fault", .file = "l.txt", .riga = riga, .messaggio = "25"});
    return p;
  };
  const EsitoRecupero r = recupera(linea, "", "l.txt", "t.txt", compila, 1000000);
  EXPECT_TRUE(r.al_limite);
  // Four times the pair and 64 MiB, and the last run, which may read it whole.
  EXPECT_LE(letti, 5 * linea.size() + (size_t{64} << 20));
  // Far more faults than the default limit of runs: a text this small is not
  // held back by the bound.
  EXPECT_GT(trovati(r).size(), 100u);
}

}  // namespace
}  // namespace scenario::tool
