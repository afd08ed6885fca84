#include "verifica/motivo_lettura.h"

#include <algorithm>
#include <optional>
#include <string>

#include "platform/da_tradurre.h"
#include "platform/traduzione.h"
#include "testi/citazione.h"
#include "verifica/voci_lette.h"

namespace scenario::tool {
namespace {

// The vocabulary's entry a key read was taken as, from the readers' key
// tables in the order they try them.
std::optional<ParolaChiave> cerca(const VoceLetta& v) {
  for (const auto elenco : {parole_chiave_generali, parole_chiave_oggetti, parole_chiave_treno}) {
    for (const ParolaChiave& p : elenco()) {
      if (e_voce(v, p)) return p;
    }
  }
  return std::nullopt;
}

std::string n(int64_t numero) { return std::to_string(numero); }

bool cifra(char c) { return c >= '0' && c <= '9'; }

// [-]digits: a number that failed only for its size.
bool intero(std::string_view campo) {
  if (!campo.empty() && campo.front() == '-') campo.remove_prefix(1);
  return !campo.empty() && std::all_of(campo.begin(), campo.end(), cifra);
}

// Digits with one decimal point or comma: "12.300", "0,5".
bool decimale(std::string_view campo) {
  if (!campo.empty() && campo.front() == '-') campo.remove_prefix(1);
  const size_t punto = campo.find_first_of(".,");
  if (punto == std::string_view::npos || campo.find_first_of(".,", punto + 1) != std::string_view::npos) return false;
  const std::string_view prima = campo.substr(0, punto), dopo = campo.substr(punto + 1);
  return (!prima.empty() || !dopo.empty()) && std::all_of(prima.begin(), prima.end(), cifra) &&
         std::all_of(dopo.begin(), dopo.end(), cifra);
}

std::string senza_punto(std::string campo) {
  campo.erase(std::remove_if(campo.begin(), campo.end(), [](char c) { return c == '.' || c == ','; }), campo.end());
  return campo;
}

// The values of the entry that stand on its key's own line.
size_t sulla_riga(const VoceLetta& v) {
  return static_cast<size_t>(std::count_if(v.dove_valori.begin(), v.dove_valori.end(),
                                           [&](const Dove& d) { return d.riga == v.chiave.riga; })) +
         (!v.testo.empty() && v.dove_testo.riga == v.chiave.riga ? 1 : 0);
}

}  // namespace

int valori_della_voce(const VoceLetta& v) {
  const std::optional<ParolaChiave> p = cerca(v);
  return p ? static_cast<int>(p->campi.size()) : 0;
}

std::string nome_della_voce(const VoceLetta& v) {
  const std::optional<ParolaChiave> p = cerca(v);
  return p ? std::string(nome_voce(*p)) : std::string();
}

void spiega_lettura(const Guasto& g, const Traccia& t, const VoceLetta* voce, Diagnostica* d) {
  const LetturaFallita& f = t.lettura_fallita;
  const std::string campo = testo_visibile(f.campo);
  const int servono = voce != nullptr ? valori_della_voce(*voce) : 0;
  const std::string chiave = voce != nullptr ? nome_della_voce(*voce) : "";
  const size_t letti = voce != nullptr ? voce->valori.size() + (voce->testo.empty() ? 0 : 1) : 0;
  const auto alla_chiave = [&] {
    d->file = std::string(voce->file);
    d->riga = voce->chiave.riga;
    d->colonna = voce->chiave.colonna;
    d->larghezza = std::max<size_t>(voce->chiave.larghezza, 1);
  };

  if (f.fine_testo) {
    if (voce != nullptr && servono > 0) {
      d->messaggio = componi(traduci("the file ends inside the entry `%1`: it takes %2 values, %3 were read"),
                             {chiave, n(servono), n(static_cast<int64_t>(letti))});
    } else {
      d->messaggio = traduci("the file ends inside an entry");
    }
    d->suggerimento = traduci("write the missing values, and end the file with a line such as [fine], which is "
                              "never read");
    return;
  }
  if (decimale(f.campo)) {
    d->messaggio = componi(traduci("\"%1\" is not a whole number: whole metres, km/h or units, no decimal point"),
                           {campo});
    // Only a group of three digits after the point can be thousands: "2.5" is a fraction.
    const size_t punto = f.campo.find_first_of(".,");
    const bool migliaia = f.campo.size() - punto - 1 == 3 && punto > (f.campo.starts_with('-') ? 1u : 0u);
    d->suggerimento = migliaia
                          ? componi(traduci("write %1 if the point separates thousands; otherwise round to a whole "
                                            "number"),
                                    {testo_visibile(senza_punto(f.campo))})
                          : traduci("round it to a whole number: the field holds no fractions");
    return;
  }
  if (intero(f.campo)) {
    d->messaggio = voce != nullptr && servono > 0
                       ? componi(traduci("value %1 of `%2` is too wide: it holds %3 to %4"),
                                 {campo, chiave, n(f.minimo), n(f.massimo)})
                       : componi(traduci("value %1 is too wide: it holds %2 to %3"), {campo, n(f.minimo), n(f.massimo)});
    d->suggerimento = componi(traduci("write a value from %1 to %2"), {n(f.minimo), n(f.massimo)});
    return;
  }
  if (voce != nullptr && voce->chiave.riga < g.riga && servono > 0) {
    d->messaggio = componi(traduci("too few values for `%1`: it takes %2, its line holds %3"),
                           {chiave, n(servono), n(static_cast<int64_t>(sulla_riga(*voce)))});
    d->suggerimento = componi(traduci("the entry read on into line %1 and met \"%2\": write the missing values, "
                                      "separated by commas"),
                              {n(g.riga), campo});
    alla_chiave();
    return;
  }
  d->messaggio = voce != nullptr && servono > 0
                     ? componi(traduci("\"%1\" is not a number: value %2 of `%3` is a whole number"),
                               {campo, n(static_cast<int64_t>(letti) + 1), chiave})
                     : componi(traduci("\"%1\" is not a number"), {campo});
  d->suggerimento = traduci("write digits only, with a minus sign for a value below 0");
}

}  // namespace scenario::tool
