#include "verifica/fuori_celle.h"

#include <algorithm>
#include <array>
#include <string>

#include "model/griglia.h"
#include "platform/da_tradurre.h"
#include "platform/traduzione.h"
#include "verifica/voci_lette.h"

namespace scenario::tool {
namespace {

// A signal's fourth approach mark lies 8 cells before the signal's cell,
// position / 50 + 1, and must be a cell: the first position on the 50 m grid
// that allows it is 350 m.
constexpr int64_t kPrimoSegnale = 350;

std::string n(int64_t numero) { return std::to_string(numero); }

void alla_voce(const VoceLetta& v, Diagnostica* d) {
  d->file = std::string(v.file);
  d->riga = v.chiave.riga;
  d->colonna = v.chiave.colonna;
  d->larghezza = std::max<size_t>(v.chiave.larghezza, 1);
}

int64_t giu(int64_t v) { return v - (((v % kMetriCella) + kMetriCella) % kMetriCella); }

}  // namespace

void spiega_fuori_celle(const Compilatore& stato, const VoceLetta* voce, Diagnostica* d) {
  if (voce == nullptr || voce->valori.empty()) return;
  const int64_t p = voce->valori[0];
  const int64_t fine_celle = static_cast<int64_t>(stato.celle.size()) * kMetriCella;
  if (e_voce(*voce, parole::kSegnale) && p < kPrimoSegnale) {
    d->messaggio = componi(traduci("signal at %1 m stands before the first 350 m: its approach marks, up to 400 m "
                                   "before it, would fall before the line's start"),
                           {n(p)});
    d->suggerimento = componi(traduci("the smallest position allowed for a signal is %1 m"), {n(kPrimoSegnale)});
  } else if (p < 0) {
    d->messaggio = componi(traduci("position %1 m lies before the line's start"), {n(p)});
    d->suggerimento = traduci("positions count from 0 at the line's start");
  } else if (e_voce(*voce, parole::kRallentamento) && voce->valori.size() >= 3 && voce->valori[2] < 0) {
    d->messaggio = componi(traduci("slowdown length %1 m is below 0"), {n(voce->valori[2])});
    d->suggerimento = traduci("a slowdown runs forward from its position: give its length in metres");
  } else if (e_voce(*voce, parole::kRallentamento) && voce->valori.size() >= 3) {
    d->messaggio = componi(traduci("slowdown from %1 m to %2 m, with its warning board and pre-warnings, leaves "
                                   "the cells (0 m to %3 m)"),
                           {n(p), n(p + voce->valori[2]), n(fine_celle)});
    d->suggerimento = traduci("a slowdown above 1500 m has its warning board 1200 m before it, and its "
                              "pre-warnings just before that");
  } else if (e_voce(*voce, parole::kStazione) && p < fine_celle) {
    d->messaggio = componi(traduci("the stop zone of the station at %1 m leaves the cells (0 m to %2 m)"),
                           {n(p), n(fine_celle)});
    d->suggerimento = traduci("a stop zone runs half the station's length each side of it (types 5 to 8 differ): "
                              "shorten the station or move it");
  }
  alla_voce(*voce, d);
}

void spiega_progressive(const Traccia& t, Diagnostica* d) {
  constexpr std::array<std::pair<ParolaChiave, const char*>, 3> kSistemi{
      {{parole::kProgressivaUno, "uno"}, {parole::kProgressivaDue, "due"}, {parole::kProgressivaTre, "tre"}}};
  for (const VoceLetta& v : t.voci) {
    if (v.valori.size() < 2) continue;
    for (const auto& [parole, nome] : kSistemi) {
      if (!e_voce(v, parole)) continue;
      for (size_t i = 0; i < 2; ++i) {
        const int64_t valore = v.valori[i];
        if (valore % kMetriCella == 0) continue;
        const int64_t sotto = giu(valore);
        d->messaggio = componi(i == 0 ? traduci("kilometre-post system \"%1\": start %2 m is not a multiple of 50")
                                      : traduci("kilometre-post system \"%1\": value %2 m is not a multiple of 50"),
                               {nome, n(valore)});
        d->suggerimento = componi(traduci("the nearest allowed are %1 m and %2 m"),
                                  {n(sotto), n(sotto + kMetriCella)});
        d->file = std::string(v.file);
        d->riga = v.dove_valori[i].riga;
        d->colonna = v.dove_valori[i].colonna;
        d->larghezza = std::max<size_t>(v.dove_valori[i].larghezza, 1);
        return;
      }
    }
  }
}

}  // namespace scenario::tool
