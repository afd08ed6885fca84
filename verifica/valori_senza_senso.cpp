#include "verifica/valori_senza_senso.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "model/griglia.h"
#include "model/modello.h"
#include "model/valori_cella.h"
#include "platform/da_tradurre.h"
#include "platform/traduzione.h"
#include "verifica/orario.h"
#include "verifica/tipi_diagnostica.h"
#include "verifica/voci_lette.h"

namespace scenario::tool {
namespace {

std::string n(int64_t numero) { return std::to_string(numero); }

Diagnostica su(const VoceLetta& v, size_t valore, const TipoDiagnostica& tipo, std::string messaggio,
               std::string suggerimento) {
  Diagnostica d = nuova_diagnostica(tipo);
  const Dove& dove = valore < v.dove_valori.size() ? v.dove_valori[valore] : v.chiave;
  d.file = std::string(v.file);
  d.riga = dove.riga;
  d.colonna = dove.colonna;
  d.larghezza = std::max<size_t>(dove.larghezza, 1);
  d.messaggio = std::move(messaggio);
  d.suggerimento = std::move(suggerimento);
  return d;
}

// Hours, minutes and seconds from value `da` on: a minute or a second past 59,
// or an hour past 23, is carried into the next unit by the sum the files keep.
void ora(const VoceLetta& v, size_t da, std::vector<Diagnostica>* out) {
  if (v.valori.size() < da + 3) return;
  const int32_t h = v.valori[da], m = v.valori[da + 1], s = v.valori[da + 2];
  const bool fuori_h = h < 0 || h > 23, fuori_m = m < 0 || m > 59, fuori_s = s < 0 || s > 59;
  if (!fuori_h && !fuori_m && !fuori_s) return;
  const size_t quale = fuori_h ? da : fuori_m ? da + 1 : da + 2;
  const int64_t secondi = secondi_del_giorno(h, m, s);
  out->push_back(su(v, quale, tipo::kOraFuoriScala,
                    componi(traduci("time %1 is out of range: it is kept as %2"),
                            {testo_ora_scritta(h, m, s), testo_ora(secondi)}),
                    traduci("hours run from 0 to 23, minutes and seconds from 0 to 59")));
}

// A stored speed byte is the speed in units of 5 km/h, rounded.
void velocita(const VoceLetta& v, std::vector<Diagnostica>* out) {
  if (v.valori.size() < 2) return;
  const int32_t kmh = v.valori[1];
  if (kmh == 0) {
    out->push_back(su(v, 1, tipo::kVelocitaArrotondata,
                      componi(traduci("speed limit of 0 km/h from %1 m: the train cannot run on"), {n(v.valori[0])}),
                      traduci("a stretch the train may not enter is not a speed limit: give the speed of the line")));
    return;
  }
  const std::optional<uint8_t> byte = byte_velocita(kmh);
  if (!byte) return;  // no byte holds it: a fault of the compile
  const int32_t tenuta = velocita_del_byte(*byte);
  if (tenuta == kmh) return;
  out->push_back(su(v, 1, tipo::kVelocitaArrotondata,
                    componi(traduci("speed %1 km/h is stored as %2 km/h"), {n(kmh), n(tenuta)}),
                    traduci("the cells keep speeds in steps of 5 km/h: write a multiple of 5")));
}

// A slowdown's speed against the line's limit in the cell where it starts.
void rallentamento(const Compilatore& stato, const VoceLetta& v, std::vector<Diagnostica>* out) {
  if (v.valori.size() < 2 || v.valori[0] < 0) return;
  const int32_t kmh = v.valori[1];
  if (kmh == 0) {
    out->push_back(su(v, 1, tipo::kRallentamentoInutile, traduci("slowdown of 0 km/h: the train cannot pass it"),
                      traduci("a slowdown is a reduced speed the train keeps; write the speed it may run at")));
    return;
  }
  const auto cella = static_cast<size_t>(cella_di(v.valori[0]));
  if (cella >= stato.celle.size()) return;
  const int32_t linea = velocita_del_byte(stato.celle[cella].velocita);
  if (linea == 0 || kmh <= linea) return;
  out->push_back(su(v, 1, tipo::kRallentamentoInutile,
                    componi(traduci("slowdown of %1 km/h at %2 m is faster than the line's %3 km/h there"),
                            {n(kmh), n(v.valori[0]), n(linea)}),
                    traduci("a slowdown lowers the speed: write less than the line's limit, or move it")));
}

void montagna(const VoceLetta& v, std::vector<Diagnostica>* out) {
  if (v.valori.size() < 2 || v.valori[1] >= v.valori[0]) return;
  out->push_back(su(v, 1, tipo::kMontagnaRovescia,
                    componi(traduci("mountain section ends at %1 m, before it begins at %2 m: nothing is drawn"),
                            {n(v.valori[1]), n(v.valori[0])}),
                    traduci("write the start first, then the end")));
}

}  // namespace

std::vector<Diagnostica> valori_senza_senso(const Compilatore& stato, const Traccia& traccia) {
  std::vector<Diagnostica> out;
  for (const VoceLetta& v : traccia.voci) {
    if (e_voce(v, parole::kOrologio)) ora(v, 0, &out);
    if (e_voce(v, parole::kStazione)) ora(v, kValoreOra, &out);
    if (e_voce(v, parole::kVelocita)) velocita(v, &out);
    if (e_voce(v, parole::kRallentamento)) rallentamento(stato, v, &out);
    if (e_voce(v, parole::kMontagna)) montagna(v, &out);
  }
  return out;
}

}  // namespace scenario::tool
