#include "readers/lettore_treno.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "driver/nomi_file.h"
#include "model/da_tradurre.h"
#include "model/stato.h"
#include "readers/parole_chiave.h"
#include "readers/regole_treno.h"
#include "readers/testo_descrizione.h"

namespace scenario {
namespace {

// The key tests, in the order they are tried. A test matches when the key
// field holds all of its words, in any letter case; every test that matches
// is applied, so a field holding two key words is handled twice.
struct Chiave {
  std::string_view parola;
  std::string_view seconda;  // empty when one word is enough
  EsitoTreno (*regola)(LetturaTreno&);
};
constexpr Chiave kChiavi[] = {
    {"frenata", "massa", regola_massa_frenata},
    {"vetture", "", regola_vetture},
    {"velocit", "", regola_velocita},
    {"aderenza", "", regola_aderenza},
    {"orologio", "", regola_orologio},
    {"sabbia", "", regola_sabbia},
    {"segnale", "", regola_segnale},
    {"rallentamento", "", regola_rallentamento},
    {"abbattimento", "", regola_abbattimento},
    {"stazione", "", regola_stazione},
};

// A dash field is a comment; at most this many in a row are passed over.
constexpr int kMaxCommenti = 2;

bool intestazione(std::string_view campo) {
  return campo.size() >= 2 && campo.front() == '[' && campo.back() == ']';
}

EsitoTreno applica_chiavi(LetturaTreno& lettura) {
  bool riconosciuta = false;
  for (const Chiave& chiave : kChiavi) {
    if (!contiene_senza_maiuscole(lettura.campo, chiave.parola) ||
        !contiene_senza_maiuscole(lettura.campo, chiave.seconda)) {
      continue;
    }
    riconosciuta = true;
    if (EsitoTreno e = chiave.regola(lettura); e != EsitoTreno::kContinua) return e;
  }
  // Section headings only give the file its shape; any other field that
  // matches nothing is most likely a misspelt key.
  if (!riconosciuta && !lettura.campo.empty() && !intestazione(lettura.campo)) {
    lettura.avverti(N_("field \"%1\" holds no key word: ignored"), {lettura.campo});
  }
  return EsitoTreno::kContinua;
}

// Reads the next key field, passing over up to two dash fields. False when
// the field read was the last of the file: that field is never acted on.
bool leggi_chiave(LetturaTreno& lettura) {
  lettura.lettore.leggi_testo(&lettura.campo);
  if (lettura.lettore.finito()) return false;
  for (int i = 0; i < kMaxCommenti && contiene(lettura.campo, "-"); ++i) {
    lettura.lettore.leggi_testo(&lettura.campo);
    if (lettura.lettore.finito()) return false;
  }
  return true;
}

// Everything before "[generale]" is passed over; a file without it yields
// nothing but the closing steps, and no fault.
EsitoTreno leggi_voci(LetturaTreno& lettura) {
  while (!lettura.lettore.finito()) {
    lettura.lettore.leggi_testo(&lettura.campo);
    if (contiene_senza_maiuscole(lettura.campo, "[generale]")) break;
  }
  while (!lettura.lettore.finito()) {
    if (!leggi_chiave(lettura)) break;
    if (EsitoTreno e = applica_chiavi(lettura); e != EsitoTreno::kContinua) return e;
  }
  return EsitoTreno::kChiusura;
}

}  // namespace

void leggi_descrizione_treno(Compilatore& stato) {
  const NomiFile nomi(stato.cartella, stato.nome_linea, stato.numero_treno);
  stato.file_corrente = nomi.nome_descrizione_treno();
  stato.riga_corrente = 0;
  // A reading failure leaves no description behind: the line text goes too,
  // should it still exist.
  auto elimina_tutto = [&] {
    elimina_descrizione(stato, nomi.descrizione_treno());
    elimina_descrizione(stato, nomi.descrizione_linea());
  };

  std::string testo;
  if (!carica_descrizione(nomi.descrizione_treno(), &testo)) {
    stato.registra(25);
    elimina_tutto();
    return;
  }
  LetturaTreno lettura(stato, std::move(testo), nomi.nome_descrizione_treno());
  const EsitoTreno esito = leggi_voci(lettura);
  if (esito == EsitoTreno::kErroreLettura) {
    elimina_tutto();
    return;
  }
  elimina_descrizione(stato, nomi.descrizione_treno());
  if (esito == EsitoTreno::kChiusura) chiusura_treno(lettura);
}

std::vector<ParoleChiave> parole_chiave_treno() {
  std::vector<ParoleChiave> parole;
  for (const auto& voce : kChiavi) parole.push_back({voce.parola, voce.seconda});
  return parole;
}

}  // namespace scenario
