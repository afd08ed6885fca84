#include "verifica/spiega_guasti.h"

#include <algorithm>
#include <string>
#include <vector>

#include "layout/distanze_passata.h"
#include "model/codici_errore.h"
#include "model/griglia.h"
#include "model/modello.h"
#include "platform/da_tradurre.h"
#include "platform/traduzione.h"
#include "readers/treno_stazione.h"
#include "testi/citazione.h"
#include "verifica/fuori_celle.h"
#include "verifica/motivo_lettura.h"
#include "verifica/tipi_diagnostica.h"
#include "verifica/voci_lette.h"

namespace scenario::tool {
namespace {


std::string n(int64_t numero) { return std::to_string(numero); }

std::string luogo(const VoceLetta& v) { return percorso_visibile(v.file) + ":" + n(v.chiave.riga); }

const char* nome_tipo_cella(uint8_t tipo) {
  switch (tipo) {
    case kSegnale:
      return N_("the signal");
    case kFineRallentamento:
      return N_("the end of the slowdown");
    case kInizioRallentamento:
      return N_("the start of the slowdown");
    case kAvvisoRallentamento:
      return N_("the warning board of the slowdown");
    case kPreavvisoRallentamento:
      return N_("a pre-warning cell of the slowdown");
    case kIndicatoriVMax:
      return N_("the speed indicators");
    case kStazione:
      return N_("the stopping cell of the station");
    case kAbbattimento:
    case kAbbattimentoNullo:
      return N_("the abbattimento");
    case kCartello:
      return N_("the signpost");
    default:
      return N_("an object");
  }
}

std::string celle(int64_t da, int64_t a) {
  if (da == a) return componi(traduci("cell %1 (%2 m to %3 m)"), {n(da), n(da * kMetriCella), n((a + 1) * kMetriCella)});
  return componi(traduci("cells %1 to %2 (%3 m to %4 m)"), {n(da), n(a), n(da * kMetriCella), n((a + 1) * kMetriCella)});
}

// "the signal of t.txt:12", or what the cell holds when no entry put it there.
std::string occupante(const Compilatore& stato, const Traccia& t, int64_t cella) {
  if (cella < 0 || static_cast<size_t>(cella) >= stato.celle.size()) return traduci("a cell outside the line");
  const uint8_t tipo = stato.celle[static_cast<size_t>(cella)].tipo;
  const VoceLetta* v = t.di_cella(cella);
  if (v == nullptr) return tipo == kAbbattimento ? traduci("a marker of the layout pass") : traduci(nome_tipo_cella(tipo));
  if (v->testo.empty()) return componi(traduci("%1 at %2"), {traduci(nome_tipo_cella(tipo)), luogo(*v)});
  return componi(traduci("%1 at %2 (%3)"), {traduci(nome_tipo_cella(tipo)), luogo(*v), testo_visibile(v->testo)});
}

// What a run of cells holds, each entry named once.
std::string occupanti(const Compilatore& stato, const Traccia& t, int64_t da, int64_t a) {
  std::vector<std::string> nomi;
  for (int64_t c = da; c <= a; ++c) {
    const std::string o = occupante(stato, t, c);
    if (std::find(nomi.begin(), nomi.end(), o) == nomi.end()) nomi.push_back(o);
  }
  std::string testo = nomi.empty() ? "" : nomi[0];
  for (size_t i = 1; i < nomi.size(); ++i) {
    testo = componi(i + 1 == nomi.size() ? traduci("%1 and %2") : traduci("%1, %2"), {testo, nomi[i]});
  }
  return testo;
}

bool libera(const Compilatore& stato, int64_t c) {
  return c >= 0 && static_cast<size_t>(c) < stato.celle.size() && cella_libera(stato.celle[static_cast<size_t>(c)]);
}

uint8_t tipo_di(const Compilatore& stato, int64_t c) {
  return c >= 0 && static_cast<size_t>(c) < stato.celle.size() ? stato.celle[static_cast<size_t>(c)].tipo : static_cast<uint8_t>(kLibera);
}

void alla_voce(const VoceLetta& v, Diagnostica* d) {
  d->file = std::string(v.file);
  d->riga = v.chiave.riga;
  d->colonna = v.chiave.colonna;
  d->larghezza = std::max<size_t>(v.chiave.larghezza, 1);
}

// The station rows: the entry that failed is the last station of the record.
void spaziatura(const Compilatore& stato, const Traccia& t, Diagnostica* d) {
  std::vector<const VoceLetta*> stazioni;
  for (const VoceLetta& v : t.voci) {
    if (e_voce(v, parole::kStazione) && !v.valori.empty()) stazioni.push_back(&v);
  }
  const size_t k = stazioni.size();
  if (k < 2 || k >= static_cast<size_t>(kPrimoCartello)) return;
  const Elemento& questa = stato.elementi[k];
  const Elemento& prima = stato.elementi[k - 1];
  const VoceLetta& voce_prima = *stazioni[k - 2];
  const int32_t posizione = stazioni[k - 1]->valori[0];
  if (posizione < voce_prima.valori[0]) {
    d->messaggio = componi(traduci("stations out of order: this one at %1 m comes after %2 at %3 m (%4)"),
                           {n(posizione), testo_visibile(voce_prima.testo), n(voce_prima.valori[0]), luogo(voce_prima)});
    d->suggerimento = traduci("list the stations in order of position");
    return;
  }
  d->messaggio = componi(traduci("stop zone %1 m to %2 m starts less than %3 m after the zone of %4, %5 m to %6 m"),
                         {n(questa.dato1), n(questa.dato2), n(kDistanzaZone), testo_visibile(voce_prima.testo),
                          n(prima.dato1), n(prima.dato2)});
  // The zone moves with the position: the first position allowed puts its
  // start 350 m after the previous zone's end, rounded up to whole cells.
  const int64_t spostamento = static_cast<int64_t>(prima.dato2) + kDistanzaZone - questa.dato1;
  int64_t consentita = posizione + spostamento;
  consentita = (consentita + kMetriCella - 1) / kMetriCella * kMetriCella;
  d->suggerimento = componi(traduci("the first position allowed is %1 m"), {n(consentita)});
  d->posizione_consentita = consentita;
}

// A fault of the layout pass belongs to a slowdown: the diagnostic stands at
// the slowdown's entry and names what left no room for the marker.
void posa(const Guasto& g, const Compilatore& stato, const Traccia& t, Diagnostica* d) {
  const int64_t c = g.posizione.value_or(0) / kMetriCella;
  const VoceLetta* rallentamento = nullptr;
  std::string intralcio;
  if (g.codice == kErroreMarcaSegnale) {
    for (int64_t i = c + 1; i <= c + kCelleIndietro && rallentamento == nullptr; ++i) {
      if (tipo_di(stato, i) == kAvvisoRallentamento) rallentamento = t.di_cella(i);
    }
    intralcio = componi(traduci("no free cell before %1: %2 hold %3"),
                        {occupante(stato, t, c), celle(c - 2, c - 1), occupanti(stato, t, c - 2, c - 1)});
  } else if (g.codice == kErroreFinestraOccupata) {
    rallentamento = t.di_cella(c);
    for (const Finestra& f : kFinestre) {
      const int64_t ultimo = f.distanze.front();
      const int64_t primo = f.distanze.back();
      if (c <= f.oltre) continue;
      bool presa = true;
      for (int64_t i = c - ultimo; i >= c - primo; --i) presa = presa && !libera(stato, i) && t.di_cella(i) != nullptr;
      if (!presa) continue;
      intralcio = componi(traduci("%1 before its start hold %2"),
                          {celle(c - primo, c - ultimo), occupanti(stato, t, c - primo, c - ultimo)});
      break;
    }
  } else if (tipo_di(stato, c) == kFineRallentamento) {
    rallentamento = t.di_cella(c);
    for (int64_t i = c; i <= c + kCelleAvanti; ++i) {
      if (tipo_di(stato, i) != kSegnale) continue;
      intralcio = componi(traduci("no free cell before %1 after its end: %2 hold %3"),
                          {occupante(stato, t, i), celle(i - 2, i - 1), occupanti(stato, t, i - 2, i - 1)});
      break;
    }
  } else {
    for (int64_t i = c; i >= 0 && rallentamento == nullptr; --i) {
      if (tipo_di(stato, i) == kInizioRallentamento) rallentamento = t.di_cella(i);
    }
    intralcio = componi(traduci("%1 inside it hold %2"), {celle(c - 1, c + 1), occupanti(stato, t, c - 1, c + 1)});
  }
  if (rallentamento != nullptr) alla_voce(*rallentamento, d);
  d->suggerimento = intralcio;
}

}  // namespace

Diagnostica spiega_guasto(const Guasto& g, const Compilatore& stato, const Traccia& t) {
  Diagnostica d = nuova_diagnostica_guasto(g.codice);
  d.codice = g.codice;
  d.posizione = g.posizione;
  d.file = g.file;
  d.riga = g.riga;
  const std::string significato = traduci(descrizione_errore(g.codice));
  const VoceLetta* voce = t.aperta();
  if (voce != nullptr && (voce->file != g.file || voce->chiave.riga > g.riga)) voce = nullptr;
  // The fault's own column: the field it was met at. A fault of the entry as
  // a whole (a cell taken, a zone too close) marks the entry's key.
  d.colonna = static_cast<size_t>(std::max(g.colonna, 0));
  if (voce != nullptr && voce->chiave.riga == g.riga && g.codice != kErroreLettura) {
    d.colonna = voce->chiave.colonna;
    d.larghezza = std::max<size_t>(voce->chiave.larghezza, 1);
  }

  switch (g.codice) {
    case kErroreCartelloOccupato:
    case kErroreAbbattimentoOccupato:
    case kErroreSegnaleOccupato:
    case kErroreAvvisoOccupato:
    case kErroreInizioOccupato:
    case kErroreFineOccupata:
    case kErrorePreavvisoOccupato:
    case kErroreIndicatoreOccupato:
      if (t.cella_occupata >= 0) {
        d.suggerimento = componi(traduci("%1 already holds %2"),
                                 {celle(t.cella_occupata, t.cella_occupata), occupante(stato, t, t.cella_occupata)});
      }
      break;
    case kErroreStazioniVicine:
      spaziatura(stato, t, &d);
      break;
    case kErroreMarcaSegnale:
    case kErroreFinestraOccupata:
    case kErroreMarcaRallentamento:
      posa(g, stato, t, &d);
      break;
    case kErroreLettura:
      spiega_lettura(g, t, voce, &d);
      break;
    case kErroreOggettoTrenoFuori:
      spiega_fuori_celle(stato, voce, &d);
      break;
    case kErroreProgressive:
      spiega_progressive(t, &d);
      break;
    case kErroreOltreLeCelle:
      if (stato.ultima_cella >= 0) {
        d.suggerimento = componi(traduci("the cells end at %1 m; an entry needs 100 m after its position, a station 800 m"),
                                 {n((static_cast<int64_t>(stato.ultima_cella) + 1) * kMetriCella)});
      }
      break;
    default:
      break;
  }
  // The program's own words for the fault ("Errore n. 16") stay in the message.
  if (d.messaggio.empty()) d.messaggio = significato;
  d.messaggio = g.posizione ? componi(traduci("%1 (Errore n. %2 at %3 m)"), {d.messaggio, n(g.codice), n(*g.posizione)})
                            : componi(traduci("%1 (Errore n. %2)"), {d.messaggio, n(g.codice)});
  return d;
}

}  // namespace scenario::tool
