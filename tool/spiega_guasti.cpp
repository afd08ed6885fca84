#include "tool/spiega_guasti.h"

#include <algorithm>
#include <string>
#include <vector>

#include "model/codici_errore.h"
#include "model/modello.h"
#include "tool/tipi_diagnostica.h"
#include "tool/voci_lette.h"

namespace scenario::tool {
namespace {

constexpr int32_t kMetriCella = 50;
constexpr int32_t kDistanzaZone = 350;   // least gap between two stop zones
constexpr int kFinestreAvviso = 20;      // cells a warning board looks back for signals
constexpr int kCelleDopoFine = 12;       // cells after a slowdown's end searched for a signal

std::string m(int64_t metri) { return std::to_string(metri) + " m"; }

std::string luogo(const VoceLetta& v) { return v.file + ":" + std::to_string(v.chiave.riga); }

const char* nome_tipo_cella(uint8_t tipo) {
  switch (tipo) {
    case kSegnale:
      return "the signal";
    case kFineRallentamento:
      return "the end of the slowdown";
    case kInizioRallentamento:
      return "the start of the slowdown";
    case kAvvisoRallentamento:
      return "the warning board of the slowdown";
    case kPreavvisoRallentamento:
      return "a pre-warning cell of the slowdown";
    case kIndicatoriVMax:
      return "the speed indicators";
    case kStazione:
      return "the stopping cell of the station";
    case kAbbattimento:
    case kAbbattimentoNullo:
      return "the abbattimento";
    case kCartello:
      return "the signpost";
    default:
      return "an object";
  }
}

std::string celle(int64_t da, int64_t a) {
  return "cell " + std::to_string(da) + (a != da ? " to " + std::to_string(a) : "") + " (" + m(da * kMetriCella) +
         " to " + m((a + 1) * kMetriCella) + ")";
}

// "the signal of t.txt:12", or what the cell holds when no entry put it there.
std::string occupante(const Compilatore& stato, const Traccia& t, int64_t cella) {
  if (cella < 0 || static_cast<size_t>(cella) >= stato.celle.size()) return "a cell outside the line";
  const uint8_t tipo = stato.celle[static_cast<size_t>(cella)].tipo;
  const VoceLetta* v = t.di_cella(cella);
  if (v == nullptr) return tipo == kAbbattimento ? "a marker of the layout pass" : nome_tipo_cella(tipo);
  std::string testo = std::string(nome_tipo_cella(tipo)) + " at " + luogo(*v);
  if (!v->testo.empty()) testo += " (" + v->testo + ")";
  return testo;
}

// What a run of cells holds, each entry named once.
std::string occupanti(const Compilatore& stato, const Traccia& t, int64_t da, int64_t a) {
  std::vector<std::string> nomi;
  for (int64_t c = da; c <= a; ++c) {
    const std::string o = occupante(stato, t, c);
    if (std::find(nomi.begin(), nomi.end(), o) == nomi.end()) nomi.push_back(o);
  }
  std::string testo;
  for (size_t i = 0; i < nomi.size(); ++i) testo += (i == 0 ? "" : i + 1 == nomi.size() ? " and " : ", ") + nomi[i];
  return testo;
}

bool libera(const Compilatore& stato, int64_t c) {
  return c >= 0 && static_cast<size_t>(c) < stato.celle.size() && cella_libera(stato.celle[static_cast<size_t>(c)]);
}

uint8_t tipo_di(const Compilatore& stato, int64_t c) {
  return c >= 0 && static_cast<size_t>(c) < stato.celle.size() ? stato.celle[static_cast<size_t>(c)].tipo : static_cast<uint8_t>(kLibera);
}

void alla_voce(const VoceLetta& v, Diagnostica* d) {
  d->file = v.file;
  d->riga = v.chiave.riga;
  d->colonna = v.chiave.colonna;
  d->larghezza = std::max<size_t>(v.chiave.larghezza, 1);
}

// The station rows: the entry that failed is the last station of the record.
void spaziatura(const Compilatore& stato, const Traccia& t, Diagnostica* d) {
  std::vector<const VoceLetta*> stazioni;
  for (const VoceLetta& v : t.voci) {
    if (e_voce(v, kVoceStazione) && !v.valori.empty()) stazioni.push_back(&v);
  }
  const size_t k = stazioni.size();
  if (k < 2 || k >= static_cast<size_t>(kPrimoCartello)) return;
  const Elemento& questa = stato.elementi[k];
  const Elemento& prima = stato.elementi[k - 1];
  const VoceLetta& voce_prima = *stazioni[k - 2];
  const int32_t posizione = stazioni[k - 1]->valori[0];
  if (posizione < voce_prima.valori[0]) {
    d->messaggio = "stations out of order: this one at " + m(posizione) + " comes after " + voce_prima.testo +
                   " at " + m(voce_prima.valori[0]) + " (" + luogo(voce_prima) + ")";
    d->suggerimento = "list the stations in order of position";
    return;
  }
  d->messaggio = "stop zone " + m(questa.dato1) + " to " + m(questa.dato2) + " starts less than " + m(kDistanzaZone) +
                 " after the zone of " + voce_prima.testo + ", " + m(prima.dato1) + " to " + m(prima.dato2);
  // The zone moves with the position: the first position allowed puts its
  // start 350 m after the previous zone's end, rounded up to whole cells.
  const int64_t spostamento = static_cast<int64_t>(prima.dato2) + kDistanzaZone - questa.dato1;
  int64_t consentita = posizione + spostamento;
  consentita = (consentita + kMetriCella - 1) / kMetriCella * kMetriCella;
  d->suggerimento = "the first position allowed is " + m(consentita);
}

// A fault of the layout pass belongs to a slowdown: the diagnostic stands at
// the slowdown's entry and names what left no room for the marker.
void posa(const Guasto& g, const Compilatore& stato, const Traccia& t, Diagnostica* d) {
  const int64_t c = g.posizione.value_or(0) / kMetriCella;
  const VoceLetta* rallentamento = nullptr;
  std::string intralcio;
  if (g.codice == 11) {
    for (int64_t i = c + 1; i <= c + kFinestreAvviso && rallentamento == nullptr; ++i) {
      if (tipo_di(stato, i) == kAvvisoRallentamento) rallentamento = t.di_cella(i);
    }
    intralcio = "no free cell before " + occupante(stato, t, c) + ": " + celle(c - 2, c - 1) + " hold " +
                occupanti(stato, t, c - 2, c - 1);
  } else if (g.codice == 12) {
    rallentamento = t.di_cella(c);
    for (const auto [primo, ultimo, soglia] : {std::array<int64_t, 3>{7, 5, 7}, {13, 11, 13}, {20, 18, 20}}) {
      if (c <= soglia) continue;
      bool presa = true;
      for (int64_t i = c - ultimo; i >= c - primo; --i) presa = presa && !libera(stato, i) && t.di_cella(i) != nullptr;
      if (!presa) continue;
      intralcio = celle(c - primo, c - ultimo) + " before its start hold " + occupanti(stato, t, c - primo, c - ultimo);
      break;
    }
  } else if (tipo_di(stato, c) == kFineRallentamento) {
    rallentamento = t.di_cella(c);
    for (int64_t i = c; i <= c + kCelleDopoFine; ++i) {
      if (tipo_di(stato, i) != kSegnale) continue;
      intralcio = "no free cell before " + occupante(stato, t, i) + " after its end: " + celle(i - 2, i - 1) +
                  " hold " + occupanti(stato, t, i - 2, i - 1);
      break;
    }
  } else {
    for (int64_t i = c; i >= 0 && rallentamento == nullptr; --i) {
      if (tipo_di(stato, i) == kInizioRallentamento) rallentamento = t.di_cella(i);
    }
    intralcio = celle(c - 1, c + 1) + " inside it hold " + occupanti(stato, t, c - 1, c + 1);
  }
  if (rallentamento != nullptr) alla_voce(*rallentamento, d);
  d->suggerimento = intralcio;
}

}  // namespace

Diagnostica spiega_guasto(const Guasto& g, const Compilatore& stato, const Traccia& t) {
  Diagnostica d = nuova_diagnostica(nome_tipo_guasto(g.codice));
  d.codice = g.codice;
  d.posizione = g.posizione;
  d.file = g.file;
  d.riga = g.riga;
  d.messaggio = std::string(descrizione_errore(g.codice));
  const VoceLetta* voce = t.voci.empty() ? nullptr : &t.voci.back();
  if (voce != nullptr && (voce->file != g.file || voce->chiave.riga > g.riga)) voce = nullptr;
  if (voce != nullptr && voce->chiave.riga == g.riga) {
    d.colonna = voce->chiave.colonna;
    d.larghezza = std::max<size_t>(voce->chiave.larghezza, 1);
  }

  switch (g.codice) {
    case 6: case 7: case 16: case 17: case 18: case 19: case 20: case 21:
      if (t.cella_occupata >= 0) {
        d.suggerimento = celle(t.cella_occupata, t.cella_occupata) + " already holds " +
                         occupante(stato, t, t.cella_occupata);
      }
      break;
    case 22:
      spaziatura(stato, t, &d);
      break;
    case 11: case 12: case 13:
      posa(g, stato, t, &d);
      break;
    case 15:
      if (stato.ultima_cella >= 0) {
        d.suggerimento = "the cells end at " + m((static_cast<int64_t>(stato.ultima_cella) + 1) * kMetriCella) +
                         "; an entry needs 100 m after its position, a station 800 m";
      }
      break;
    default:
      break;
  }
  if (g.posizione) d.messaggio += " (at " + m(*g.posizione) + ")";
  return d;
}

}  // namespace scenario::tool
