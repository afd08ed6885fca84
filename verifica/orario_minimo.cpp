#include "verifica/orario_minimo.h"

#include <algorithm>
#include <optional>
#include <string>

#include "model/modello.h"
#include "model/tempo_minimo.h"
#include "platform/da_tradurre.h"
#include "platform/traduzione.h"
#include "testi/citazione.h"
#include "verifica/orario.h"
#include "verifica/tipi_diagnostica.h"
#include "verifica/voci_lette.h"

namespace scenario::tool {
namespace {

constexpr int64_t kGiorno = 24 * 3600;
// A time more than half a day before the one before it is taken for the next
// day (a train that runs past midnight), not for a slip.
constexpr int64_t kMezzoGiorno = kGiorno / 2;

Diagnostica all_ora(const VoceLetta& v, const TipoDiagnostica& tipo) {
  Diagnostica d = nuova_diagnostica(tipo);
  const Dove& dove = v.dove_valori[kValoreOra];
  d.file = std::string(v.file);
  d.riga = dove.riga;
  d.colonna = dove.colonna;
  d.larghezza = std::max<size_t>(dove.larghezza, 1);
  return d;
}

}  // namespace

std::vector<Diagnostica> controlla_orario(const Compilatore& stato, const Traccia& traccia) {
  std::vector<Diagnostica> out;
  const VoceLetta* prima = nullptr;
  int64_t ora_prima = 0;
  for (const VoceLetta& v : traccia.voci) {
    if (!e_voce(v, parole::kStazione)) continue;
    const std::optional<int64_t> ora = ora_stazione(v);
    if (!ora) continue;
    if (prima != nullptr && v.valori[0] > prima->valori[0]) {
      int64_t previsto = *ora - ora_prima;
      if (previsto < -kMezzoGiorno) previsto += kGiorno;
      if (previsto < 0) {
        Diagnostica d = all_ora(v, tipo::kOrarioIndietro);
        d.messaggio = componi(traduci("%1 at %2 comes before %3 at %4, the station before it along the line"),
                              {testo_visibile(v.testo), testo_ora(*ora), testo_visibile(prima->testo),
                               testo_ora(ora_prima)});
        d.suggerimento = traduci("times grow along the line; a time more than 12 hours earlier is taken for the "
                                 "next day");
        out.push_back(std::move(d));
      } else if (const std::optional<int64_t> minimo = tempo_minimo(stato.celle, prima->valori[0], v.valori[0]);
                 minimo && previsto < *minimo) {
        Diagnostica d = all_ora(v, tipo::kOrarioStretto);
        d.messaggio = componi(traduci("%1 to %2 is timed at %3, but takes at least %4 at the speed limits"),
                              {testo_visibile(prima->testo), testo_visibile(v.testo), testo_durata(previsto),
                               testo_durata(*minimo)});
        d.suggerimento = traduci("the least time is a lower bound: every stretch at its limit, with no time to "
                                 "speed up, brake or stand");
        out.push_back(std::move(d));
      }
    }
    prima = &v;
    ora_prima = *ora;
  }
  return out;
}

}  // namespace scenario::tool
