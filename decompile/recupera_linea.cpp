// The line description's entries, read back from the table and the cells.
#include <algorithm>
#include <array>

#include "decompile/recupera.h"
#include "decompile/scalini.h"
#include "model/stato.h"
#include "readers/oggetti_linea.h"

namespace scenario::decompila {
namespace {

constexpr int32_t kLivello = 100;  // the gradient byte of level track

// A position written so that `cella = posizione / 50 + 1` gives back `cella`.
int32_t posizione_dopo(int32_t cella) { return 50 * (cella - 1); }

Progressiva come_scritta(const Elemento& riga) {
  // A decreasing system carries 100 more than its author wrote.
  return {riga.dato1, riga.dato3 == 1 ? riga.dato2 - 100 : riga.dato2, riga.dato3};
}

// The three systems of rows 81 to 83 are sorted when read: find the entries
// ("uno", "due", "tre") that sort back into them. The author's own order comes
// first (the system nearest the start as "uno"), then every other.
void recupera_progressive(const Elementi& elementi, DescrizioneLinea* d) {
  const std::array<Progressiva, 3> righe = {come_scritta(elementi[kRigaProgressivaTre]),
                                            come_scritta(elementi[kRigaProgressivaDue]),
                                            come_scritta(elementi[kRigaProgressivaUno])};
  // Index into `righe` of the rows given to uno, due and tre.
  std::array<int, 3> scelta = {2, 1, 0};
  const std::array<int, 3> primo = scelta;
  do {
    Compilatore prova;
    const auto metti = [&](int riga, const Progressiva& p) {
      prova.elementi[static_cast<size_t>(riga)].dato1 = p.inizio;
      prova.elementi[static_cast<size_t>(riga)].dato2 = p.valore;
      prova.elementi[static_cast<size_t>(riga)].dato3 = p.direzione;
    };
    metti(kRigaProgressivaUno, righe[static_cast<size_t>(scelta[0])]);
    metti(kRigaProgressivaDue, righe[static_cast<size_t>(scelta[1])]);
    metti(kRigaProgressivaTre, righe[static_cast<size_t>(scelta[2])]);
    progressive_ordina(prova);
    bool uguali = true;
    for (int r = kRigaProgressivaTre; r <= kRigaProgressivaUno; ++r) {
      const Elemento& a = prova.elementi[static_cast<size_t>(r)];
      const Elemento& b = elementi[static_cast<size_t>(r)];
      uguali = uguali && a.dato1 == b.dato1 && a.dato2 == b.dato2 && a.dato3 == b.dato3;
    }
    if (uguali) break;
    std::next_permutation(scelta.begin(), scelta.end());
    if (scelta == primo) break;  // none sorts back: keep the author's order
  } while (true);
  d->uno = righe[static_cast<size_t>(scelta[0])];
  d->due = righe[static_cast<size_t>(scelta[1])];
  d->tre = righe[static_cast<size_t>(scelta[2])];
}

void recupera_generale(const Elementi& elementi, DescrizioneLinea* d) {
  d->lunghezza = elementi[kRigaValoriCorsa].dato2;
  recupera_progressive(elementi, d);
  const Elemento& linea = elementi[kRigaLinea];
  d->sfondo_uno = linea.dato1;
  d->sfondo_tre = linea.dato2;
  d->sfondo_due = linea.dato3;
  const Elemento& treno = elementi[kRigaTreno];
  d->ripetizione_1 = treno.dato1;
  d->ripetizione_2 = treno.dato2;
  d->codici = treno.dato3 == 9 ? 9 : 4;  // with a second distance of 0 the count is cleared anyway
}

void recupera_pendenze(const std::vector<Cella>& celle, DescrizioneLinea* d) {
  for (const Scalino& s : scalini(celle, [](const Cella& c) { return c.pendenza; })) {
    // Cells before the first entry are level: no entry needed for them.
    if (s.cella == 0 && s.valore == kLivello) continue;
    d->pendenze.push_back({50 * s.cella, static_cast<int32_t>(s.valore) - kLivello});
  }
}

// A run of cells with one scenery type is one section. It is marked when a
// mark still stands on one of its every-fourth cells (later objects may have
// taken them all, and then either way compiles alike).
void recupera_montagne(const std::vector<Cella>& celle, DescrizioneLinea* d) {
  const int32_t n = static_cast<int32_t>(celle.size());
  int32_t fine_precedente = 0;
  for (int32_t i = 0; i < n;) {
    const uint8_t tipo = celle[static_cast<size_t>(i)].montagna;
    int32_t j = i;
    bool marcata = false;
    while (j < n && celle[static_cast<size_t>(j)].montagna == tipo) {
      if ((j - i + 1) % 4 == 0 && celle[static_cast<size_t>(j)].tipo == kMarcaMontagna) marcata = true;
      ++j;
    }
    if (tipo != 0) {
      Montagna m{50 * i, 50 * j, tipo};
      const bool unita = !d->montagne.empty() && m.inizio - fine_precedente <= 150;
      // A section near the one before takes type 3 whatever it says; a type
      // above 10 would read as marked, so an unmarked one is written below 0.
      if (unita) m.tipo = 3;
      if (marcata) {
        m.tipo += 10;
      } else if (m.tipo > 10) {
        m.tipo -= 256;
      }
      d->montagne.push_back(m);
      fine_precedente = m.fine;
    }
    i = j;
  }
}

void recupera_indicatori(const std::vector<Cella>& celle, DescrizioneLinea* d) {
  for (size_t j = 0; j < celle.size(); ++j) {
    const Cella& c = celle[j];
    if (c.tipo != kIndicatoriVMax) continue;
    // Each packed speed is left speed x 20 + right speed / 5.
    const auto sinistra = [](int16_t v) { return v / 20; };
    const auto destra = [](int16_t v) { return 5 * (v % 20); };
    d->indicatori.push_back({.posizione = posizione_dopo(static_cast<int32_t>(j)),
                             .vas = sinistra(c.valore_a),
                             .vbs = sinistra(c.valore_b),
                             .vcs = sinistra(c.valore_c),
                             .strisces = c.valore_d / 10,
                             .vad = destra(c.valore_a),
                             .vbd = destra(c.valore_b),
                             .vcd = destra(c.valore_c),
                             .strisced = c.valore_d % 10});
  }
}

// Rows 1 upward that hold a station: a station row is never all zeros.
int32_t righe_stazioni(const Elementi& elementi) {
  int32_t k = 0;
  while (k + 1 < kPrimoCartello) {
    const Elemento& r = elementi[static_cast<size_t>(k + 1)];
    const bool vuota = r.tipo == 0 && r.dato1 == 0 && r.dato2 == 0 && r.dato3 == 0 && r.segno == 0 &&
                       r.testo.empty() && r.intero1 == 0 && r.intero2 == 0 && r.intero3 == 0 && r.intero4 == 0 &&
                       r.intero5 == 0 && r.byte1 == 0 && r.byte2 == 0 && r.byte3 == 0 && r.byte4 == 0 && r.dato4 == 0;
    if (vuota) break;
    ++k;
  }
  return k;
}

// Signposts fill rows 80 downward, each pointed at by its cell. A station read
// later may have put its stopping cell over a signpost's cell: that signpost
// is then placed on a stopping cell between its neighbours, where it compiles
// to the same bytes.
void recupera_cartelli(const Elementi& elementi, const std::vector<Cella>& celle, DescrizioneLinea* d) {
  std::vector<int32_t> cella_di_riga(kPrimoCartello + 1, -1);
  int32_t ultima_riga = kPrimoCartello + 1;
  for (size_t j = 0; j < celle.size(); ++j) {
    const Cella& c = celle[j];
    if (c.tipo == kCartello && c.valore_a >= 1 && c.valore_a <= kPrimoCartello) {
      cella_di_riga[static_cast<size_t>(c.valore_a)] = static_cast<int32_t>(j);
      ultima_riga = std::min<int32_t>(ultima_riga, c.valore_a);
    }
  }
  const int32_t stazioni = righe_stazioni(elementi);
  for (int32_t r = stazioni + 1; r <= kPrimoCartello; ++r) {
    if (!elementi[static_cast<size_t>(r)].testo.empty()) {
      ultima_riga = std::min(ultima_riga, r);
      break;
    }
  }
  std::vector<int32_t> fermate;
  for (size_t j = 0; j < celle.size(); ++j) {
    if (celle[j].tipo == kStazione) fermate.push_back(static_cast<int32_t>(j));
  }
  int32_t cella_precedente = 0;
  for (int32_t r = kPrimoCartello; r >= ultima_riga; --r) {
    int32_t cella = cella_di_riga[static_cast<size_t>(r)];
    if (cella < 0) {
      int32_t successiva = static_cast<int32_t>(celle.size());
      for (int32_t s = r - 1; s >= ultima_riga; --s) {
        if (cella_di_riga[static_cast<size_t>(s)] >= 0) {
          successiva = cella_di_riga[static_cast<size_t>(s)];
          break;
        }
      }
      auto it = std::find_if(fermate.begin(), fermate.end(),
                             [&](int32_t f) { return f > cella_precedente && f < successiva; });
      if (it == fermate.end()) it = std::find_if(fermate.begin(), fermate.end(), [&](int32_t f) { return f > cella_precedente; });
      if (it == fermate.end()) it = fermate.begin();
      cella = it == fermate.end() ? cella_precedente : *it;
    }
    d->cartelli.push_back({posizione_dopo(cella), elementi[static_cast<size_t>(r)].testo});
    cella_precedente = cella;
  }
}

}  // namespace

DescrizioneLinea recupera_linea(const Elementi& elementi, const std::vector<Cella>& celle) {
  DescrizioneLinea d;
  recupera_generale(elementi, &d);
  recupera_pendenze(celle, &d);
  recupera_montagne(celle, &d);
  recupera_indicatori(celle, &d);
  recupera_cartelli(elementi, celle, &d);
  return d;
}

}  // namespace scenario::decompila
