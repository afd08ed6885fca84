#include "readers/treno_lettore.h"

#include <string>
#include <string_view>
#include <utility>

#include "model/stato.h"
#include "readers/ripresa.h"
#include "readers/treno_chiusura.h"
#include "readers/treno_generali.h"
#include "readers/treno_lettura.h"
#include "readers/treno_oggetti.h"
#include "readers/treno_stazione.h"
#include "readers/treno_velocita.h"
#include "readers/vocabolario.h"

namespace scenario {
namespace {

// The key tests, in the order they are tried. A test matches when the key
// field holds all of its words, in any letter case; every test that matches
// is applied, so a field holding two key words is handled twice.
constexpr Chiave<LetturaTreno> kChiavi[] = {
    {.parole = parole::kMassaFrenata, .voce = regola_massa_frenata},
    {.parole = parole::kVetture, .voce = regola_vetture},
    {.parole = parole::kVelocita, .voce = regola_velocita},
    {.parole = parole::kAderenza, .voce = regola_aderenza},
    {.parole = parole::kOrologio, .voce = regola_orologio},
    {.parole = parole::kSabbia, .voce = regola_sabbia},
    {.parole = parole::kSegnale, .voce = regola_segnale},
    {.parole = parole::kRallentamento, .voce = regola_rallentamento},
    {.parole = parole::kAbbattimento, .voce = regola_abbattimento},
    {.parole = parole::kStazione, .voce = regola_stazione},
};

// A dash field is a comment; at most this many in a row are passed over.
constexpr int kMaxCommenti = 2;

Esito applica(LetturaTreno& lettura) {
  bool riconosciuta = false;
  if (const Esito e = applica_chiavi<LetturaTreno>(lettura, kChiavi, true, &riconosciuta); e != Esito::kAvanti) {
    return e;
  }
  // Section headings only give the file its shape; any other field that
  // matches nothing is most likely a misspelt key.
  const std::string& campo = lettura.chiave();
  if (!riconosciuta && !campo.empty() && !intestazione(campo)) lettura.avverti_chiave_ignota(campo);
  return Esito::kAvanti;
}

// Everything before "[generale]" is passed over; a file without it yields
// nothing but the closing steps, and no fault. A reading taken up again
// stands past it.
Esito leggi_voci(LetturaTreno& lettura, const PuntoLettura* da) {
  Traccia* traccia = lettura.stato.traccia;
  if (da == nullptr) {
    if (traccia != nullptr) traccia->treno_letto = true;
    const bool generale = lettura.passa_a_generale();
    if (traccia != nullptr) traccia->generale_treno = generale;
  }
  while (lettura.prossima_voce(kMaxCommenti)) {
    if (const Esito e = applica(lettura); e != Esito::kAvanti) return e;
  }
  return Esito::kFineTesto;
}

}  // namespace

bool leggi_testo_treno(Compilatore& stato, const std::string& nome, std::string_view testo, Riprese* riprese,
                       const PuntoLettura* da) {
  LetturaTreno lettura(stato, nome, testo);
  lettura.riprese = riprese;
  if (da != nullptr) lettura.riprendi(*da);
  Esito esito = leggi_voci(lettura, da);
  if ((esito == Esito::kFineTesto || esito == Esito::kOltre) && !chiusura_treno(lettura)) {
    esito = Esito::kErroreLettura;
  }
  return esito != Esito::kErroreLettura;
}

std::vector<ParolaChiave> parole_chiave_treno() { return parole_chiave<LetturaTreno>(kChiavi); }

}  // namespace scenario
