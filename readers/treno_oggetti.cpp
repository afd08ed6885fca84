#include "readers/treno_oggetti.h"

#include <initializer_list>

#include "model/codici_errore.h"
#include "model/griglia.h"
#include "model/stato.h"
#include "platform/da_tradurre.h"
#include "readers/posizioni.h"
#include "readers/treno_celle.h"
#include "readers/treno_rallentamento.h"
#include "readers/treno_segnale.h"

namespace scenario {
namespace {

bool leggi_tutti(LetturaTreno& lettura, std::initializer_list<int32_t*> valori) {
  for (int32_t* valore : valori) {
    if (!lettura.leggi_valore(valore)) return false;
  }
  return true;
}

// After a placement routine: any code in the status ends the reading, with the
// entry's position. The status may hold a code that the routine did not
// record: the line half's 15, left for the train half to carry on. The entry
// is then placed all the same and ends the reading; the line half's fault
// keeps its own position in the log.
Esito dopo_posa(LetturaTreno& lettura, int32_t posizione, size_t guasti_prima) {
  Compilatore& stato = lettura.stato;
  if (stato.codice_errore <= 0) return Esito::kAvanti;
  if (stato.guasti.size() > guasti_prima) {
    stato.posiziona(posizione);
  } else {
    stato.posizione_errore = posizione;
  }
  return Esito::kFermo;
}

}  // namespace

Esito regola_segnale(LetturaTreno& lettura) {
  int32_t posizione = 0;
  ImpostazioniSegnale s;
  if (!leggi_tutti(lettura, {&posizione, &s.sx, &s.s1, &s.s2, &s.s3, &s.rapp, &s.dx, &s.d1, &s.d2, &s.d3,
                             &s.tempo})) {
    return Esito::kErroreLettura;
  }
  if (Esito e = lettura.controlla_posizione(posizione, kMargineVoce); e != Esito::kAvanti) return e;
  controlla_ordine(lettura.stato, lettura.ultimo_segnale, posizione,
                   N_("signal at %1 m comes after one at %2 m: entries out of order of position"));
  const size_t guasti_prima = lettura.stato.guasti.size();
  memo_segnale(lettura.stato, posizione, s);
  return dopo_posa(lettura, posizione, guasti_prima);
}

Esito regola_rallentamento(LetturaTreno& lettura) {
  int32_t x = 0, v = 0, l = 0, f_tt = 0, f_ta = 0, d_v = 0;
  if (!leggi_tutti(lettura, {&x, &v, &l, &f_tt, &f_ta, &d_v})) return Esito::kErroreLettura;
  if (Esito e = lettura.controlla_posizione(x, kMargineVoce); e != Esito::kAvanti) return e;
  const size_t guasti_prima = lettura.stato.guasti.size();
  memo_rallentamento(lettura.stato, x, v, l, f_tt, f_ta, d_v);
  return dopo_posa(lettura, x, guasti_prima);
}

// An "abbattimento" takes the cell of its own position: unlike the signal and
// the slowdown, no cell is added.
Esito regola_abbattimento(LetturaTreno& lettura) {
  int32_t p = 0, w = 0;
  if (!leggi_tutti(lettura, {&p, &w})) return Esito::kErroreLettura;
  if (Esito e = lettura.controlla_posizione(p, kMargineVoce); e != Esito::kAvanti) return e;
  Compilatore& stato = lettura.stato;
  const int64_t n = cella_di(p);
  if (!cella_esiste(stato, n)) {
    lettura.guasto(kErroreOggettoTrenoFuori, p);
    return Esito::kFermo;
  }
  Cella& cella = stato.celle[static_cast<size_t>(n)];
  if (!cella_libera(cella)) {
    stato.trova_occupata(n);
    lettura.guasto(kErroreAbbattimentoOccupato, p);
    return Esito::kFermo;
  }
  stato.posa(n);
  if (w > 0) {
    cella.tipo = kAbbattimento;
    cella.valore_a = codifica_abbattimento(w);
  } else {
    cella.tipo = kAbbattimentoNullo;
  }
  return Esito::kAvanti;
}

}  // namespace scenario
