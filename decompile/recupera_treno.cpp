// The train description's entries, read back from the table and the cells.
#include <cstdint>

#include "decompile/recupera.h"
#include "decompile/scalini.h"
#include "model/valori_cella.h"

namespace scenario::decompila {
namespace {

void recupera_generale(const Elementi& elementi, DescrizioneTreno* d) {
  d->massa_frenata = elementi[kRigaValoriCorsa].dato1;
  d->vetture = elementi[kRigaValoriCorsa].dato3;
  const Elemento& treno = elementi[kRigaTreno];
  d->sabbia = treno.intero1;
  d->ore = treno.intero3;
  d->minuti = treno.intero4;
  d->secondi = treno.intero5;
}

void recupera_velocita_e_aderenze(const std::vector<Cella>& celle, DescrizioneTreno* d) {
  for (const Scalino& s : scalini(celle, [](const Cella& c) { return c.velocita; })) {
    d->velocita.push_back({metri_di(static_cast<size_t>(s.cella)), velocita_del_byte(s.valore)});
  }
  for (const Scalino& s : scalini(celle, [](const Cella& c) { return c.aderenza; })) {
    d->aderenze.push_back({metri_di(static_cast<size_t>(s.cella)), s.valore});
  }
}

// The station's length and the settings that the stop zone rule cleared or
// folded into the zone's end come back from the zone itself.
Stazione stazione_di(const Elemento& r, bool prima) {
  Stazione s{.posizione = r.dato3,
             .tipo = r.tipo,
             .segno = r.segno,
             .byte4 = r.byte4,
             .byte3 = r.byte3,
             .intero1 = r.intero1,
             .intero2 = r.intero2,
             .byte1 = r.byte1,
             .intero3 = r.intero3,
             .intero4 = r.intero4,
             .intero5 = r.intero5,
             .byte2 = r.byte2,
             .ore = r.dato4 / 3600,
             .minuti = r.dato4 % 3600 / 60,
             .secondi = r.dato4 % 60,
             .nome = r.testo};
  const int64_t prima_del_centro = static_cast<int64_t>(r.dato3) - r.dato1;
  if (r.tipo >= 5 && r.tipo <= 8) {
    s.lunghezza = static_cast<int32_t>(prima_del_centro);
  } else {
    s.lunghezza = static_cast<int32_t>(2 * prima_del_centro);
    // The first station's zone still ends 50 m later when value 6 was set,
    // though the row keeps 0 there.
    if (prima) s.byte3 = static_cast<int64_t>(r.dato2) - r.dato3 - prima_del_centro == 50 ? 1 : 0;
  }
  return s;
}

void recupera_stazioni(const Elementi& elementi, DescrizioneTreno* d) {
  for (size_t k = kPrimaStazione; k < kPrimoCartello; ++k) {
    if (riga_vuota(elementi[k])) break;
    d->stazioni.push_back(stazione_di(elementi[k], k == kPrimaStazione));
  }
}

Segnale segnale_di(const Cella& c, size_t cella) {
  return {.posizione = posizione_dopo(cella), .impostazioni = decodifica_segnale(c)};
}

// A slowdown shorter than 25 m has no end cell of its own: its length is 0.
void recupera_rallentamenti(const std::vector<Cella>& celle, DescrizioneTreno* d) {
  for (const CelleRallentamento& celle_r : accoppia_rallentamenti(celle)) {
    const size_t i = celle_r.inizio;
    const ValoriRallentamento v = decodifica_rallentamento(celle[i]);
    Rallentamento r{.x = posizione_dopo(i),
                    .v = v.v,
                    .l = celle_r.fine ? metri_di(*celle_r.fine - i) : 0,
                    .f_tt = v.f_tt,
                    .f_ta = 0,
                    .d_v = v.d_v};
    // A slowdown beyond 1500 m has a warning cell 24 cells before its start.
    // One from 1501 m to 1524 m starts in the cell that reads back as 1500 m,
    // which would lose the warning: it is written 10 m on, in the same cell.
    if (r.x == 1500 && i >= 24 && celle[i - 24].tipo == kAvvisoRallentamento) r.x += 10;
    // Pre-warning boards stand in the four cells before the warning cell,
    // 24 cells before the start, when the slowdown lies beyond 1500 m.
    if (r.x > 1500 && i >= 26 && celle[i - 25].tipo == kPreavvisoRallentamento) r.f_ta = 1;
    d->rallentamenti.push_back(r);
  }
}

void recupera_celle(const std::vector<Cella>& celle, DescrizioneTreno* d) {
  for (size_t j = 0; j < celle.size(); ++j) {
    const Cella& c = celle[j];
    if (c.tipo == kSegnale) d->segnali.push_back(segnale_di(c, j));
    // abbattimento entries stand in cell position / 50, with no cell added.
    if (c.tipo == kAbbattimentoNullo) d->abbattimenti.push_back({metri_di(j), 0});
    if (c.tipo == kAbbattimento && c.valore_a != kValoreMarca) {
      d->abbattimenti.push_back({metri_di(j), decodifica_abbattimento(c.valore_a)});
    }
  }
  recupera_rallentamenti(celle, d);
}

}  // namespace

bool riga_vuota(const Elemento& r) {
  return r.tipo == 0 && r.dato1 == 0 && r.dato2 == 0 && r.dato3 == 0 && r.segno == 0 && r.testo.empty() &&
         r.intero1 == 0 && r.intero2 == 0 && r.intero3 == 0 && r.intero4 == 0 && r.intero5 == 0 && r.byte1 == 0 &&
         r.byte2 == 0 && r.byte3 == 0 && r.byte4 == 0 && r.dato4 == 0;
}

DescrizioneTreno recupera_treno(const Elementi& elementi, const std::vector<Cella>& celle) {
  DescrizioneTreno d;
  recupera_generale(elementi, &d);
  recupera_velocita_e_aderenze(celle, &d);
  recupera_stazioni(elementi, &d);
  recupera_celle(celle, &d);
  return d;
}

std::vector<int32_t> celle_come_segnalini(const std::vector<Cella>& celle) {
  std::vector<int32_t> trovate;
  for (size_t j = 0; j < celle.size(); ++j) {
    if (celle[j].tipo == kAbbattimento && celle[j].valore_a == kValoreMarca) {
      trovate.push_back(static_cast<int32_t>(j));
    }
  }
  return trovate;
}

}  // namespace scenario::decompila
