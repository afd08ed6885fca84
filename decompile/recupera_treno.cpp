// The train description's entries, read back from the table and the cells.
#include <cstdint>
#include <optional>

#include "decompile/recupera.h"
#include "decompile/scalini.h"

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

// Speeds are stored in steps of 5 km/h: the entry gives the multiple of 5.
void recupera_velocita_e_aderenze(const std::vector<Cella>& celle, DescrizioneTreno* d) {
  for (const Scalino& s : scalini(celle, [](const Cella& c) { return c.velocita; })) {
    d->velocita.push_back({50 * s.cella, 5 * static_cast<int32_t>(s.valore)});
  }
  for (const Scalino& s : scalini(celle, [](const Cella& c) { return c.aderenza; })) {
    d->aderenze.push_back({50 * s.cella, s.valore});
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

// valore_d packs 10 x rapp + 3 x sx + dx; sx is 2 exactly when the signal
// keeps a time, which only that side stores.
Segnale segnale_di(const Cella& c, size_t cella) {
  Segnale s{.posizione = posizione_dopo(cella)};
  s.rapp = c.valore_d / 10;
  const int32_t lati = c.valore_d % 10;
  s.sx = lati >= 0 ? lati / 3 : 0;
  s.dx = lati - 3 * s.sx;
  if (c.tempo != 0 && s.sx != 2) {
    s.sx = 2;
    s.dx = lati - 6;
  }
  s.s1 = c.valore_a / 10;
  s.d1 = c.valore_a % 10;
  s.s2 = c.valore_b / 10;
  s.d2 = c.valore_b % 10;
  s.s3 = c.valore_c / 10;
  s.d3 = c.valore_c % 10;
  // A time from 1 to 100 is stored as 101, so a stored 1 to 100 was 256 more.
  s.tempo = c.tempo == 0 || c.tempo > 100 ? c.tempo : c.tempo + 256;
  return s;
}

// The end of the slowdown that starts at cell `inizio`: the nearest end cell
// after it that carries the same values and belongs to no other slowdown. A
// slowdown shorter than 25 m has no end cell of its own.
std::optional<size_t> fine_di(const std::vector<Cella>& celle, size_t inizio, const std::vector<bool>& usate) {
  const Cella& s = celle[inizio];
  for (size_t e = inizio + 1; e < celle.size(); ++e) {
    const Cella& c = celle[e];
    if (c.tipo == kFineRallentamento && !usate[e] && c.valore_a == s.valore_a && c.valore_b == s.valore_b &&
        c.valore_c == s.valore_c) {
      return e;
    }
  }
  return std::nullopt;
}

void recupera_rallentamenti(const std::vector<Cella>& celle, DescrizioneTreno* d) {
  std::vector<bool> usate(celle.size(), false);
  for (size_t i = 0; i < celle.size(); ++i) {
    const Cella& c = celle[i];
    if (c.tipo != kInizioRallentamento) continue;
    const std::optional<size_t> fine = fine_di(celle, i, usate);
    if (fine) usate[*fine] = true;
    Rallentamento r{.x = posizione_dopo(i),
                    .v = c.valore_a,
                    .l = fine ? 50 * static_cast<int32_t>(*fine - i) : 0,
                    .f_tt = c.valore_c,
                    .f_ta = 0,
                    .d_v = c.valore_b};
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
    if (c.tipo == kAbbattimentoNullo) d->abbattimenti.push_back({50 * static_cast<int32_t>(j), 0});
    if (c.tipo == kAbbattimento && c.valore_a != kValoreSegnalino) {
      // Only the low 16 bits of the value are kept; a value that reads as 0
      // or below came from 65536 more.
      const int32_t v = c.valore_a > 0 ? c.valore_a : c.valore_a + 65536;
      d->abbattimenti.push_back({50 * static_cast<int32_t>(j), v});
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
    if (celle[j].tipo == kAbbattimento && celle[j].valore_a == kValoreSegnalino) {
      trovate.push_back(static_cast<int32_t>(j));
    }
  }
  return trovate;
}

}  // namespace scenario::decompila
