// The object part of the line description: every field after the general
// section is tried as a key against the object tests.
#include "readers/linea_lettura.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "model/codici_errore.h"
#include "model/stato.h"
#include "platform/da_tradurre.h"
#include "readers/linea_indicatori.h"
#include "readers/linea_montagna.h"
#include "readers/posizioni.h"
#include "readers/vocabolario.h"

namespace scenario {
namespace {

constexpr int kCommentiOggetti = 2;

// An object key holds its words anywhere, in any letter case. A curve key
// is a key only while the plan is being drawn. In this order; every entry that
// matches applies, each reading its own values.
constexpr Chiave<LetturaLinea> kChiaviOggetti[] = {
    {.parole = parole::kPendenza, .voce = voce_pendenza},
    {.parole = parole::kCurva, .voce = voce_curva, .solo_con_tracciato = true},
    {.parole = parole::kMontagna, .voce = voce_montagna},
    {.parole = parole::kIndicatori, .voce = voce_indicatori},
    {.parole = parole::kCartello, .voce = voce_cartello},
};

bool numero(std::string_view campo) {
  if (!campo.empty() && campo.front() == '-') campo.remove_prefix(1);
  return !campo.empty() && std::all_of(campo.begin(), campo.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
}

}  // namespace

// Headings are separators; a number or an empty field is a stray value, and
// a curve key is ignored on purpose when no plan is built. Anything else is a
// key the author probably misspelt.
void avverti_se_ignota(LetturaLinea& l, std::string_view campo) {
  if (campo.empty() || intestazione(campo) || numero(campo)) return;
  if (l.stato.genera_tracciato == 0 && contiene_senza_maiuscole(campo, parole::kCurva.prima)) return;
  l.avverti_chiave_ignota(campo);
}

Esito voce_montagna(LetturaLinea& l) {
  int32_t inizio = 0;
  int32_t fine = 0;
  int32_t tipo = 0;
  if (!l.leggi_valore(&inizio) || !l.leggi_valore(&fine) || !l.leggi_valore(&tipo)) return Esito::kFermo;
  if (oltre_le_celle(l.stato, inizio)) {
    l.guasto(kErroreOltreLeCelle, inizio);
    return Esito::kOltre;
  }
  memo_montagna(l.stato, inizio, fine, tipo);
  return l.stato.codice_errore != 0 ? Esito::kFermo : Esito::kAvanti;
}

Esito voce_indicatori(LetturaLinea& l) {
  IndicatoriVMax v;
  // Each value is read at its own width, in the entry's order: a stripe count
  // too wide for 16 bits fails as it is read, before the position and the
  // cell are looked at.
  const auto leggi = [&l](auto*... campi) { return (l.leggi_valore(campi) && ...); };
  if (!leggi(&v.posizione, &v.vas, &v.vbs, &v.vcs, &v.strisces, &v.vad, &v.vbd, &v.vcd, &v.strisced)) {
    return Esito::kFermo;
  }
  if (oltre_le_celle(l.stato, v.posizione)) {
    l.guasto(kErroreOltreLeCelle, v.posizione);
    return Esito::kOltre;
  }
  memo_indicatori_v_max(l.stato, v);
  if (l.stato.codice_errore != 0) return Esito::kFermo;
  controlla_ordine(l.stato, l.ultimo_indicatore, v.posizione,
                   N_("maximum-speed indicator at %1 m comes after one at %2 m: entries out of order of position"));
  return Esito::kAvanti;
}

Esito leggi_parte_oggetti(LetturaLinea& l) {
  while (l.prossima_voce(Ciclo::kOggettiLinea, kCommentiOggetti)) {
    bool riconosciuta = false;
    const Esito esito = applica_chiavi<LetturaLinea>(l, kChiaviOggetti, l.stato.genera_tracciato != 0, &riconosciuta);
    if (esito != Esito::kAvanti) return esito;
    if (!riconosciuta) avverti_se_ignota(l, l.chiave());
  }
  return Esito::kFineTesto;
}

std::vector<ParolaChiave> parole_chiave_oggetti() { return parole_chiave<LetturaLinea>(kChiaviOggetti); }

}  // namespace scenario
