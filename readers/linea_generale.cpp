// The general section of the line description: length, kilometre-post
// systems, scenery and signal repetition.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/dimensioni.h"
#include "model/stato.h"
#include "readers/lettura_linea.h"
#include "readers/oggetti_linea.h"
#include "readers/parole_chiave.h"

namespace scenario {
namespace {


bool voce_lunghezza(LetturaLinea& l) {
  int32_t lunghezza = 0;
  if (!l.leggi_valore(&lunghezza)) return false;
  if (lunghezza < 0) {  // no array can be sized from it
    l.guasto(29);
    return false;
  }
  Compilatore& stato = l.stato;
  stato.elementi[kRigaValoriCorsa].dato2 = lunghezza;
  if (lunghezza > kLunghezzaMassima) {
    l.guasto(1);
    return false;
  }
  const Dimensioni dimensioni = dimensioni_linea(lunghezza);
  stato.lunghezza_tracciato = dimensioni.lunghezza_tracciato;
  stato.ultima_cella = dimensioni.ultima_cella;
  // A repeated length entry starts both arrays afresh.
  stato.celle.assign(static_cast<size_t>(stato.ultima_cella) + 1, Cella{});
  stato.tracciato = Tracciato{};
  if (stato.genera_tracciato != 0) {
    const size_t righe = static_cast<size_t>(stato.lunghezza_tracciato) + 1;
    stato.tracciato.x.azzera(righe);
    stato.tracciato.y.azzera(righe);
  }
  return true;
}

bool voce_progressiva(LetturaLinea& l, int riga) {
  Elemento& sistema = l.stato.elementi[static_cast<size_t>(riga)];
  return l.leggi_valore(&sistema.dato1) && l.leggi_valore(&sistema.dato2) && l.leggi_valore(&sistema.dato3);
}

bool voce_ripetizione(LetturaLinea& l, std::string_view chiave) {
  Elemento& treno = l.stato.elementi[kRigaTreno];
  if (!l.leggi_valore(&treno.dato1) || !l.leggi_valore(&treno.dato2)) return false;
  if (treno.dato1 % 50 != 0) {
    l.guasto(3);
    return false;
  }
  if (treno.dato2 % 50 != 0) {
    l.guasto(4);
    return false;
  }
  // The code count is named in the key itself ("ripetizione segnali 4 codici").
  if (contiene_senza_maiuscole(chiave, "4")) {
    treno.dato3 = 4;
  } else if (contiene_senza_maiuscole(chiave, "9")) {
    treno.dato3 = 9;
  } else {
    l.guasto(5);
    return false;
  }
  if (treno.dato2 == 0) treno.dato3 = 0;  // no second repetition, no codes
  return true;
}

int32_t& riga_linea(LetturaLinea& l, int32_t Elemento::*campo) { return l.stato.elementi[kRigaLinea].*campo; }

// A key is recognised by holding two words anywhere in it. The kilometre-post
// and scenery keys compare letter case exactly: "Progressiva ..." is no key.
struct TestGenerale {
  std::string_view prima;
  std::string_view seconda;
  bool senza_maiuscole;
  bool (*voce)(LetturaLinea& l, std::string_view chiave);

  bool vale_per(std::string_view chiave) const {
    if (senza_maiuscole) return contiene_senza_maiuscole(chiave, prima) && contiene_senza_maiuscole(chiave, seconda);
    return contiene(chiave, prima) && contiene(chiave, seconda);
  }
};

// Every test that matches applies, in this order, each reading its own values.
// Note the scenery rows: "due" lands in dato3 and "tre" in dato2.
constexpr std::array<TestGenerale, 8> kTestGenerali{{
    {"percorso", "lunghezza", true, [](LetturaLinea& l, std::string_view) { return voce_lunghezza(l); }},
    {"tre", "progressiva", false,
     [](LetturaLinea& l, std::string_view) { return voce_progressiva(l, kRigaProgressivaTre); }},
    {"due", "progressiva", false,
     [](LetturaLinea& l, std::string_view) { return voce_progressiva(l, kRigaProgressivaDue); }},
    {"uno", "progressiva", false,
     [](LetturaLinea& l, std::string_view) { return voce_progressiva(l, kRigaProgressivaUno); }},
    {"sfondo", "uno", false,
     [](LetturaLinea& l, std::string_view) { return l.leggi_valore(&riga_linea(l, &Elemento::dato1)); }},
    {"sfondo", "due", false,
     [](LetturaLinea& l, std::string_view) { return l.leggi_valore(&riga_linea(l, &Elemento::dato3)); }},
    {"sfondo", "tre", false,
     [](LetturaLinea& l, std::string_view) { return l.leggi_valore(&riga_linea(l, &Elemento::dato2)); }},
    {"segnali", "ripetizione", false, voce_ripetizione},
}};

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
  std::string campo;
  while (l.leggi_chiave(kCommentiGenerali, &campo)) {
    if (chiude_sezione(campo)) return Esito::kAvanti;
    for (const TestGenerale& test : kTestGenerali) {
      if (test.vale_per(campo) && !test.voce(l, campo)) return Esito::kFermo;
    }
  }
  return Esito::kFineFile;
}

Esito chiudi_sezione_generale(LetturaLinea& l) {
  Compilatore& stato = l.stato;
  if (!stato.ha_celle()) {  // no length entry: every object entry would miss its cells
    l.guasto(28);
    return Esito::kFermo;
  }
  progressive_ordina(stato);
  if (stato.codice_errore != 0) return Esito::kFermo;
  stato.n_montagne = 0;
  stato.prossimo_cartello = kPrimoCartello;
  l.g = 0;
  l.p = 0;
  l.c = 2;
  if (stato.tracciato.presente()) {
    // The line starts at the origin heading along y.
    stato.tracciato.x.imposta(0, Punto{TagPunto::kIntero, 0, 0.0});
    stato.tracciato.y.imposta(0, Punto{TagPunto::kIntero, 0, 0.0});
    stato.tracciato.x.imposta(1, Punto{TagPunto::kIntero, 0, 0.0});
    stato.tracciato.y.imposta(1, Punto{TagPunto::kIntero, 1, 0.0});
  }
  return Esito::kAvanti;
}

std::vector<ParoleChiave> parole_chiave_generali() {
  std::vector<ParoleChiave> parole;
  for (const auto& voce : kTestGenerali) parole.push_back({voce.prima, voce.seconda});
  return parole;
}

}  // namespace scenario
