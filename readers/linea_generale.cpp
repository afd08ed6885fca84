// The general section of the line description: length, kilometre-post
// systems, scenery and signal repetition.
#include "readers/linea_lettura.h"

#include <string>
#include <string_view>

#include "model/codici_errore.h"
#include "model/dimensioni.h"
#include "model/stato.h"
#include "readers/linea_progressive.h"
#include "readers/vocabolario.h"

namespace scenario {
namespace {

bool voce_lunghezza(LetturaLinea& l) {
  int32_t lunghezza = 0;
  if (!l.leggi_valore(&lunghezza)) return false;
  // The length is stored before any test of it, a refused one included.
  Compilatore& stato = l.stato;
  stato.elementi[kRigaValoriCorsa].dato2 = lunghezza;
  if (lunghezza < 0) {  // no array can be sized from it
    l.guasto(kErroreLunghezzaNegativa);
    return false;
  }
  if (lunghezza > kLunghezzaMassima) {
    l.guasto(kErroreLunghezzaOltre);
    return false;
  }
  // Only the sizes: the arrays are made once, when the general section ends,
  // however many length entries it holds.
  const Dimensioni dimensioni = dimensioni_linea(lunghezza);
  stato.lunghezza_tracciato = dimensioni.lunghezza_tracciato;
  stato.ultima_cella = dimensioni.ultima_cella;
  return true;
}

bool voce_progressiva(LetturaLinea& l, int riga) {
  Elemento& sistema = l.stato.elementi[static_cast<size_t>(riga)];
  return l.leggi_valore(&sistema.dato1) && l.leggi_valore(&sistema.dato2) && l.leggi_valore(&sistema.dato3);
}

bool voce_ripetizione(LetturaLinea& l) {
  const std::string_view chiave = l.chiave();
  Elemento& treno = l.stato.elementi[kRigaTreno];
  if (!l.leggi_valore(&treno.dato1) || !l.leggi_valore(&treno.dato2)) return false;
  if (treno.dato1 % 50 != 0) {
    l.guasto(kErroreRipetizionePrima);
    return false;
  }
  if (treno.dato2 % 50 != 0) {
    l.guasto(kErroreRipetizioneSeconda);
    return false;
  }
  // The code count is named in the key itself ("ripetizione segnali 4 codici").
  if (contiene_senza_maiuscole(chiave, "4")) {
    treno.dato3 = 4;
  } else if (contiene_senza_maiuscole(chiave, "9")) {
    treno.dato3 = 9;
  } else {
    l.guasto(kErroreRipetizioneCodici);
    return false;
  }
  if (treno.dato2 == 0) treno.dato3 = 0;  // no second repetition, no codes
  return true;
}

int32_t& riga_linea(LetturaLinea& l, int32_t Elemento::*campo) { return l.stato.elementi[kRigaLinea].*campo; }

// A general entry that cannot be read or is refused ends the reading.
Esito avanti_se(bool accettata) { return accettata ? Esito::kAvanti : Esito::kFermo; }

// A key is recognised by holding two words anywhere in it. The kilometre-post
// and scenery keys compare letter case exactly: "Progressiva ..." is no key.
// Every entry that matches applies, in this order, each reading its own
// values. Note the scenery rows: "due" lands in dato3 and "tre" in dato2.
constexpr Chiave<LetturaLinea> kChiaviGenerali[] = {
    {.parole = parole::kLunghezzaPercorso, .voce = [](LetturaLinea& l) { return avanti_se(voce_lunghezza(l)); }},
    {.parole = parole::kProgressivaTre,
     .voce = [](LetturaLinea& l) { return avanti_se(voce_progressiva(l, kRigaProgressivaTre)); }},
    {.parole = parole::kProgressivaDue,
     .voce = [](LetturaLinea& l) { return avanti_se(voce_progressiva(l, kRigaProgressivaDue)); }},
    {.parole = parole::kProgressivaUno,
     .voce = [](LetturaLinea& l) { return avanti_se(voce_progressiva(l, kRigaProgressivaUno)); }},
    {.parole = parole::kSfondoUno,
     .voce = [](LetturaLinea& l) { return avanti_se(l.leggi_valore(&riga_linea(l, &Elemento::dato1))); }},
    {.parole = parole::kSfondoDue,
     .voce = [](LetturaLinea& l) { return avanti_se(l.leggi_valore(&riga_linea(l, &Elemento::dato3))); }},
    {.parole = parole::kSfondoTre,
     .voce = [](LetturaLinea& l) { return avanti_se(l.leggi_valore(&riga_linea(l, &Elemento::dato2))); }},
    {.parole = parole::kRipetizioneSegnali,
     .voce = [](LetturaLinea& l) { return avanti_se(voce_ripetizione(l)); }},
};

// The section ends at a field holding both brackets, unless it begins with a
// "-": a longer run of comments than the rule passes over must not close it.
bool chiude_sezione(std::string_view campo) {
  if (!contiene(campo, "[") || !contiene(campo, "]")) return false;
  const size_t primo = campo.find_first_not_of(" \t");
  return primo == std::string_view::npos || campo[primo] != '-';
}

constexpr int kCommentiGenerali = 10;

}  // namespace

Esito leggi_sezione_generale(LetturaLinea& l) {
  while (l.prossima_voce(Ciclo::kSezioneGenerale, kCommentiGenerali)) {
    if (chiude_sezione(l.chiave())) return Esito::kAvanti;
    bool riconosciuta = false;
    if (applica_chiavi<LetturaLinea>(l, kChiaviGenerali, true, &riconosciuta) != Esito::kAvanti) return Esito::kFermo;
    // A misspelt general key would otherwise drop its entry without a word.
    if (!riconosciuta) avverti_se_ignota(l, l.chiave());
  }
  return Esito::kFineTesto;
}

void crea_celle_e_tracciato(LetturaLinea& l) {
  Compilatore& stato = l.stato;
  if (stato.ultima_cella < 0) return;  // no length entry was taken
  // Nothing in the general section places anything in them: the arrays made
  // at its end are those its last accepted length entry would have made.
  stato.celle.assign(static_cast<size_t>(stato.ultima_cella) + 1, Cella{});
  stato.tracciato = Tracciato{};
  if (stato.genera_tracciato != 0) stato.tracciato.crea(stato.lunghezza_tracciato + 1);
}

Esito chiudi_sezione_generale(LetturaLinea& l) {
  Compilatore& stato = l.stato;
  if (!stato.ha_celle()) {  // no length entry: every object entry would miss its cells
    l.guasto(kErroreSenzaLunghezza);
    return Esito::kFermo;
  }
  progressive_ordina(stato);
  if (stato.codice_errore != 0) return Esito::kFermo;
  stato.n_montagne = 0;
  stato.prossimo_cartello = kPrimoCartello;
  l.cella_pendenza = 0;
  l.pendenza_corrente = 0;
  l.riga_tracciato = 2;
  if (stato.tracciato.presente()) stato.tracciato.semina();  // rows (0, 0) and (0, 1)
  return Esito::kAvanti;
}

std::vector<ParolaChiave> parole_chiave_generali() { return parole_chiave<LetturaLinea>(kChiaviGenerali); }

}  // namespace scenario
