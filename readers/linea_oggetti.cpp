// The object part of the line description: every field after the general
// section is tried as a key against the object tests.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/stato.h"
#include "model/da_tradurre.h"
#include "readers/lettura_linea.h"
#include "readers/oggetti_linea.h"
#include "readers/parole_chiave.h"
#include "readers/posizioni.h"

namespace scenario {
namespace {

constexpr int kCommentiOggetti = 2;

// An object key holds its words anywhere, in any letter case. A curve key
// is a key only while the plan is being built.
struct TestOggetto {
  std::string_view prima;
  std::string_view seconda;  // empty: one word is enough
  bool solo_con_tracciato;
  Esito (*voce)(LetturaLinea& l, std::string_view chiave);

  bool vale_per(std::string_view chiave, const Compilatore& stato) const {
    if (solo_con_tracciato && stato.genera_tracciato == 0) return false;
    return contiene_senza_maiuscole(chiave, prima) && contiene_senza_maiuscole(chiave, seconda);
  }
};

// In this order; every test that matches applies, each reading its own values.
constexpr std::array<TestOggetto, 5> kTestOggetti{{
    {"pendenza", "", false, [](LetturaLinea& l, std::string_view) { return voce_pendenza(l); }},
    {"curva", "", true, voce_curva},
    {"montagna", "", false, [](LetturaLinea& l, std::string_view) { return voce_montagna(l); }},
    {"indicatori_v", "", false, [](LetturaLinea& l, std::string_view) { return voce_indicatori(l); }},
    {"indicat", "cartello", false, [](LetturaLinea& l, std::string_view) { return voce_cartello(l); }},
}};

bool intestazione(std::string_view campo) {
  return campo.size() >= 2 && campo.front() == '[' && campo.back() == ']';
}

bool numero(std::string_view campo) {
  if (!campo.empty() && campo.front() == '-') campo.remove_prefix(1);
  return !campo.empty() && std::all_of(campo.begin(), campo.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
}

// Headings are separators; a number or an empty field is a stray value, and
// a curve key is ignored on purpose when no plan is built. Anything else is a
// key the author probably misspelt.
void avverti_chiave_ignota(LetturaLinea& l, const std::string& campo) {
  if (campo.empty() || intestazione(campo) || numero(campo)) return;
  if (l.stato.genera_tracciato == 0 && contiene_senza_maiuscole(campo, "curva")) return;
  l.avverti(N_("field \"%1\" holds no key word: ignored"), {campo});
}

}  // namespace

Esito voce_montagna(LetturaLinea& l) {
  int32_t inizio = 0;
  int32_t fine = 0;
  int32_t tipo = 0;
  if (!l.leggi_valore(&inizio) || !l.leggi_valore(&fine) || !l.leggi_valore(&tipo)) return Esito::kFermo;
  if (oltre_le_celle(l.stato, inizio)) {
    l.guasto(15, inizio);
    return Esito::kOltre;
  }
  memo_montagna(l.stato, inizio, fine, tipo);
  return l.stato.codice_errore != 0 ? Esito::kFermo : Esito::kAvanti;
}

Esito voce_indicatori(LetturaLinea& l) {
  IndicatoriVMax v;
  for (int32_t* campo : {&v.posizione, &v.vas, &v.vbs, &v.vcs, &v.strisces, &v.vad, &v.vbd, &v.vcd, &v.strisced}) {
    if (!l.leggi_valore(campo)) return Esito::kFermo;
  }
  if (oltre_le_celle(l.stato, v.posizione)) {
    l.guasto(15, v.posizione);
    return Esito::kOltre;
  }
  memo_indicatori_v_max(l.stato, v);
  if (l.stato.codice_errore != 0) return Esito::kFermo;
  controlla_ordine(l.stato, l.ultimo_indicatore, v.posizione,
                   N_("maximum-speed indicator at %1 m comes after one at %2 m: entries out of order of position"));
  return Esito::kAvanti;
}

Esito leggi_parte_oggetti(LetturaLinea& l) {
  std::string campo;
  while (l.leggi_chiave(kCommentiOggetti, &campo)) {
    bool riconosciuto = false;
    for (const TestOggetto& test : kTestOggetti) {
      if (!test.vale_per(campo, l.stato)) continue;
      riconosciuto = true;
      const Esito esito = test.voce(l, campo);
      if (esito != Esito::kAvanti) return esito;
    }
    if (!riconosciuto) avverti_chiave_ignota(l, campo);
  }
  return Esito::kFineFile;
}

std::vector<ParoleChiave> parole_chiave_oggetti() {
  std::vector<ParoleChiave> parole;
  for (const auto& voce : kTestOggetti) parole.push_back({voce.prima, voce.seconda});
  return parole;
}

}  // namespace scenario
