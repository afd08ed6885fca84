#include "readers/treno_rallentamento.h"

#include "model/codici_errore.h"
#include "model/griglia.h"
#include "model/stato.h"
#include "readers/treno_celle.h"

namespace scenario {
namespace {

// A slowdown further than this from the origin has a warning 1200 m before it.
constexpr int32_t kSenzaAvviso = 1500;
constexpr int64_t kAnticipoAvviso = 1200;
constexpr int kPreavvisi = 4;

struct Celle {
  bool con_avviso;
  int64_t w;  // warning cell
  int64_t h;  // the pre-warning next to the warning cell; the others lie before it
  int64_t s;  // start
  int64_t e;  // end
};

// The pre-warnings sit right before the warning cell, whatever the rounding of
// the warning cell did: off the 50 m grid the rounded (x - 1200) / 50 could
// land on the warning cell itself or leave a gap before it.
Celle celle_di(int32_t x, int32_t l) {
  Celle c{};
  c.con_avviso = x > kSenzaAvviso;
  c.w = cella_di(static_cast<int64_t>(x) - kAnticipoAvviso, 1.0);
  c.h = c.w - 1;
  c.s = cella_di(x, 1.0);
  c.e = cella_di(static_cast<int64_t>(x) + l, 1.0);
  return c;
}

bool entro_le_celle(const Compilatore& stato, const Celle& c, int32_t l, bool con_preavvisi) {
  if (l < 0 || !cella_esiste(stato, c.s) || !cella_esiste(stato, c.e)) return false;
  if (c.con_avviso && !cella_esiste(stato, c.w)) return false;
  return !con_preavvisi || (cella_esiste(stato, c.h) && cella_esiste(stato, c.h - (kPreavvisi - 1)));
}

bool libera(const Compilatore& stato, int64_t i) { return cella_libera(stato.celle[static_cast<size_t>(i)]); }

// The first busy cell decides the code; nothing is written before the last
// of these tests.
int32_t codice_cella_occupata(const Compilatore& stato, const Celle& c) {
  if (c.con_avviso && !libera(stato, c.w)) return kErroreAvvisoOccupato;
  if (!libera(stato, c.s)) return kErroreInizioOccupato;
  if (!libera(stato, c.e)) return kErroreFineOccupata;
  return 0;
}

}  // namespace

void memo_rallentamento(Compilatore& stato, int32_t x, int32_t v, int32_t l, int32_t f_tt, int32_t f_ta,
                        int32_t d_v) {
  const Celle c = celle_di(x, l);
  if (!c.con_avviso) f_ta = 0;
  if (!entro_le_celle(stato, c, l, f_ta != 0)) {
    stato.registra(kErroreOggettoTrenoFuori);
    return;
  }
  if (const int32_t codice = codice_cella_occupata(stato, c); codice != 0) {
    stato.trova_occupata(codice == kErroreAvvisoOccupato ? c.w : codice == kErroreInizioOccupato ? c.s : c.e);
    stato.registra(codice);
    return;
  }
  // The end is written first, so a slowdown shorter than 25 m, whose start
  // and end share a cell, leaves it a start.
  const ValoriRallentamento valori{v, f_tt, d_v};
  codifica_rallentamento(kFineRallentamento, valori, &stato.celle[static_cast<size_t>(c.e)]);
  codifica_rallentamento(kInizioRallentamento, valori, &stato.celle[static_cast<size_t>(c.s)]);
  stato.posa(c.e);
  stato.posa(c.s);
  if (c.con_avviso) {
    codifica_rallentamento(kAvvisoRallentamento, valori, &stato.celle[static_cast<size_t>(c.w)]);
    stato.posa(c.w);
  }
  if (f_ta == 0) return;

  for (int i = 0; i < kPreavvisi; ++i) {
    if (!libera(stato, c.h - i)) {
      stato.trova_occupata(c.h - i);
      stato.registra(kErrorePreavvisoOccupato);
      return;
    }
  }
  for (int i = 0; i < kPreavvisi; ++i) {
    Cella& preavviso = stato.celle[static_cast<size_t>(c.h - i)];
    preavviso.tipo = kPreavvisoRallentamento;
    stato.posa(c.h - i);
    preavviso.valore_a = static_cast<int16_t>(i + 1);
    if (d_v != 0) preavviso.valore_b = static_cast<int16_t>(i + 1);
  }
}

}  // namespace scenario
