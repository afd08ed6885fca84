#include "readers/treno_stazione.h"

#include <limits>
#include <string>

#include "model/codici_errore.h"
#include "model/griglia.h"
#include "model/stato.h"
#include "model/tipi_avviso.h"
#include "platform/da_tradurre.h"
#include "readers/treno_celle.h"

namespace scenario {
namespace {

// Station types with a stop zone of their own shape.
constexpr uint8_t kTipoFine150A = 5;
constexpr uint8_t kTipoFine150B = 6;
constexpr uint8_t kTipoZonaDoppiaA = 7;
constexpr uint8_t kTipoZonaDoppiaB = 8;
// byte4 needs a station at least this long.
constexpr int32_t kLunghezzaByte4 = 600;
// The stopping cell must lie after cell 1.
constexpr int64_t kPrimaCellaFermata = 2;
// The approach marks before a stopping cell are 81 (next to it) to 84.
constexpr uint8_t kPrimoAvvisoStazione = 80;

// Types 5 and 6: the zone ends 150 m past the position and has no marks.
bool fine_a_150(uint8_t tipo) { return tipo == kTipoFine150A || tipo == kTipoFine150B; }
// Types 7 and 8: the zone reaches the station's length on both sides.
bool zona_doppia(uint8_t tipo) { return tipo == kTipoZonaDoppiaA || tipo == kTipoZonaDoppiaB; }

// Values 4 to 13 of a station line and the width each one must fit.
struct Impostazione {
  uint8_t Elemento::*byte;
  int16_t Elemento::*intero;
};
constexpr Impostazione kImpostazioni[] = {
    {&Elemento::segno, nullptr},   {&Elemento::byte4, nullptr},   {&Elemento::byte3, nullptr},
    {nullptr, &Elemento::intero1}, {nullptr, &Elemento::intero2}, {&Elemento::byte1, nullptr},
    {nullptr, &Elemento::intero3}, {nullptr, &Elemento::intero4}, {nullptr, &Elemento::intero5},
    {&Elemento::byte2, nullptr},
};

bool entra_in_32_bit(int64_t valore) {
  return valore >= std::numeric_limits<int32_t>::min() && valore <= std::numeric_limits<int32_t>::max();
}

// Values 4 to 17: the settings, the scheduled time and the name.
bool leggi_resto(LetturaTreno& lettura, Elemento& riga) {
  for (const Impostazione& imp : kImpostazioni) {
    const bool letto = imp.byte != nullptr ? lettura.leggi_valore(&(riga.*imp.byte)) : lettura.leggi_valore(&(riga.*imp.intero));
    if (!letto) return false;
  }
  int32_t ore = 0, minuti = 0, secondi = 0;
  if (!lettura.leggi_valore(&ore) || !lettura.leggi_valore(&minuti) || !lettura.leggi_valore(&secondi)) return false;
  const int64_t orario = (static_cast<int64_t>(ore) * 60 + minuti) * 60 + secondi;
  if (!entra_in_32_bit(orario)) {
    lettura.guasto(kErroreLettura);
    return false;
  }
  riga.dato4 = static_cast<int32_t>(orario);
  return lettura.leggi_testo(&riga.testo);
}

// The stop zone by type; the ordinary one is centred on the position, 50 m
// longer at the end when value 6 says so. Types 5 to 8 ignore value 6, and
// clear it.
bool zona_di_fermata(LetturaTreno& lettura, Elemento& riga, int64_t lunghezza) {
  const int64_t p = riga.dato3;
  int64_t inizio = p - lunghezza / 2;
  int64_t fine = p + lunghezza / 2 + (riga.byte3 != 0 ? 50 : 0);
  if (fine_a_150(riga.tipo)) {
    inizio = p - lunghezza;
    fine = p + 150;
  } else if (zona_doppia(riga.tipo)) {
    inizio = p - lunghezza;
    fine = p + lunghezza;
  }
  if (!entra_in_32_bit(inizio) || !entra_in_32_bit(fine)) {
    lettura.guasto(kErroreLettura);
    return false;
  }
  if (fine_a_150(riga.tipo) || zona_doppia(riga.tipo)) riga.byte3 = 0;
  riga.dato1 = static_cast<int32_t>(inizio);
  riga.dato2 = static_cast<int32_t>(fine);
  return true;
}

// The last whole cell of the stop zone.
int64_t cella_di_fermata(const Elemento& riga) { return cella_di(riga.dato2, -1.0); }

// Approach marks 81 to 84 in the four cells before the stopping cell, then the
// stopping cell itself. Neither refuses a busy cell: a later write replaces
// an earlier one, and a lost signpost or mark is reported.
Esito segna_celle(LetturaTreno& lettura, const Elemento& riga, int32_t k) {
  Compilatore& stato = lettura.stato;
  const int64_t s = cella_di_fermata(riga);
  if (!fine_a_150(riga.tipo)) {
    for (int64_t j = 1; j <= 4; ++j) {
      if (s - j >= kPrimaCellaFermata) {
        segna_avviso(stato, static_cast<size_t>(s - j), static_cast<uint8_t>(kPrimoAvvisoStazione + j));
      }
    }
  }
  if (s < kPrimaCellaFermata) {
    lettura.guasto(kErroreFermataAllOrigine);
    return Esito::kFermo;
  }
  Cella& fermata = stato.celle[static_cast<size_t>(s)];
  if (fermata.tipo == kCartello) {
    lettura.avverti(kAvvisoSostituito, N_("the stopping cell of %1 (cell %2) replaces the signpost of row %3"),
                    {riga.testo, std::to_string(s), std::to_string(fermata.valore_a)});
  }
  fermata.tipo = kStazione;
  stato.posa(s);
  fermata.valore_a = static_cast<int16_t>(k);
  return Esito::kAvanti;
}

// Values 1 to 17 into the row, with the position test and the two tests of
// the grid on the way; the length is kept for the stop zone.
Esito leggi_stazione(LetturaTreno& lettura, Elemento& riga, int32_t* lunghezza) {
  if (!lettura.leggi_valore(&riga.dato3)) return Esito::kErroreLettura;
  const int32_t p = riga.dato3;
  if (Esito e = lettura.controlla_posizione(p, kMargineStazione); e != Esito::kAvanti) return e;
  if (p % 50 != 0) {
    lettura.guasto(kErroreStazionePosizione, p);
    return Esito::kFermo;
  }
  if (!lettura.leggi_valore(&riga.tipo) || !lettura.leggi_valore(lunghezza)) return Esito::kErroreLettura;
  if (*lunghezza % 100 != 0) {
    lettura.guasto(kErroreStazioneLunghezza, p);
    return Esito::kFermo;
  }
  if (!leggi_resto(lettura, riga)) return Esito::kErroreLettura;
  return Esito::kAvanti;
}

}  // namespace

Esito regola_stazione(LetturaTreno& lettura) {
  Compilatore& stato = lettura.stato;
  const int32_t k = lettura.stazione;
  // A station row must never reach a signpost row or the rows above them.
  if (k >= stato.prossimo_cartello || k > kPrimoCartello) {
    lettura.guasto(kErroreStazioniTroppe);
    return Esito::kFermo;
  }
  Elemento& riga = stato.elementi[static_cast<size_t>(k)];
  int32_t lunghezza = 0;
  if (Esito e = leggi_stazione(lettura, riga, &lunghezza); e != Esito::kAvanti) return e;
  if (!zona_di_fermata(lettura, riga, lunghezza)) return Esito::kErroreLettura;
  if (lunghezza < kLunghezzaByte4) riga.byte4 = 0;
  if (k == kPrimaStazione) riga.byte3 = riga.byte4 = 0;

  if (riga.tipo < kPrimoTipoSenzaFermata) {
    // Refused before any cell is written, and so before kErroreFermataAllOrigine and kErroreStazioniVicine.
    if (const int64_t s = cella_di_fermata(riga); !cella_esiste(stato, s)) {
      lettura.guasto(kErroreOggettoTrenoFuori, riga.dato3);
      return Esito::kFermo;
    }
    if (Esito e = segna_celle(lettura, riga, k); e != Esito::kAvanti) return e;
  }
  if (k > kPrimaStazione &&
      static_cast<int64_t>(riga.dato1) - kDistanzaZone < stato.elementi[static_cast<size_t>(k - 1)].dato2) {
    lettura.guasto(kErroreStazioniVicine, riga.dato3);
    return Esito::kFermo;
  }
  lettura.stazione = k + 1;
  if (lettura.stazione >= stato.prossimo_cartello) {
    lettura.guasto(kErroreStazioniTroppe);
    return Esito::kFermo;
  }
  return Esito::kAvanti;
}

}  // namespace scenario
