// The line description's entries, read back from the table and the cells.
#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>

#include "decompile/recupera.h"
#include "decompile/scalini.h"
#include "model/stato.h"
#include "model/valori_cella.h"
#include "readers/linea_progressive.h"

namespace scenario::decompila {
namespace {

Progressiva come_scritta(const Elemento& riga) {
  // A decreasing system carries 100 more than its author wrote; a value that
  // low no author value gives, and it is kept as it stands.
  const bool calante = riga.dato3 == 1 && riga.dato2 >= std::numeric_limits<int32_t>::min() + 100;
  return {riga.dato1, calante ? riga.dato2 - 100 : riga.dato2, riga.dato3};
}

// The three systems of rows 81 to 83 are sorted when read: find the entries
// ("uno", "due", "tre") that sort back into them. The author's own order comes
// first (the system nearest the start as "uno"), then every other.
void recupera_progressive(const Elementi& elementi, DescrizioneLinea* d) {
  const std::array<Progressiva, 3> righe = {come_scritta(elementi[kRigaProgressivaTre]),
                                            come_scritta(elementi[kRigaProgressivaDue]),
                                            come_scritta(elementi[kRigaProgressivaUno])};
  // Index into `righe` of the rows given to uno, due and tre. A lone system
  // (the others all zeros) is most likely the author's "uno".
  const auto vuota = [](const Progressiva& p) { return p.inizio == 0 && p.valore == 0 && p.direzione == 0; };
  std::array<int, 3> scelta = {2, 1, 0};
  if (vuota(righe[1]) && vuota(righe[2])) scelta = {0, 1, 2};
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
    if (s.cella == 0 && pendenza_del_byte(s.valore) == 0) continue;
    d->pendenze.push_back({metri_di(static_cast<size_t>(s.cella)), pendenza_del_byte(s.valore)});
  }
}

// A marked section puts a mark on its 4th, 8th, ... cell where nothing lies;
// later objects may cover a mark, but a free cell at such a place means no
// mark, and a mark elsewhere means another section began.
struct Sezione {
  int32_t inizio;  // first cell
  int marcata;     // 1 marked, 0 not, -1 not yet known
};

// The sections of a run of cells with one scenery type. Only scenery type 3
// can hide two sections in one run: a section within 150 m of the one before
// takes type 3 whatever it says.
std::vector<Sezione> sezioni_di(const std::vector<Cella>& celle, int32_t i, int32_t j, bool unibili) {
  std::vector<Sezione> sezioni = {{i, -1}};
  int32_t ultimo_segno = i - 1;  // the last mark of the current section
  // A free cell where the marked section would have its next mark: that
  // section ended at or before it, and the next one began after its last
  // mark; its first mark tells where.
  int32_t libera_attesa = -1;
  for (int32_t k = i; k < j; ++k) {
    Sezione& s = sezioni.back();
    const uint8_t tipo = celle[static_cast<size_t>(k)].tipo;
    const bool fase = (k - s.inizio + 1) % 4 == 0;
    if (tipo == kMarcaMontagna) {
      if (libera_attesa >= 0) {
        int32_t inizio = k - 3;
        while (inizio > libera_attesa) inizio -= 4;
        sezioni.push_back({std::max(inizio, ultimo_segno + 1), 1});
        libera_attesa = -1;
      } else if (fase && s.marcata != 0) {
        s.marcata = 1;
      } else if (unibili && k - 3 > s.inizio) {
        sezioni.push_back({k - 3, 1});  // the mark is the new section's 4th cell
      } else {
        s.marcata = 1;
      }
      ultimo_segno = k;
    } else if (tipo == kLibera && fase && libera_attesa < 0) {
      if (s.marcata == 1 && unibili) {
        libera_attesa = k;
      } else {
        s.marcata = 0;
      }
    }
  }
  if (libera_attesa >= 0) sezioni.push_back({libera_attesa, 0});
  return sezioni;
}

// A section that begins 150 m or less after the one before ends takes
// scenery type 3. Three free cells between two sections read as exactly
// 150 m, yet the texts may have had up to 200 m there: when the later section
// kept a type of its own, its start moves 10 m on, into the same first cell,
// so that it stays apart.
constexpr int32_t kDistanzaUnione = 150;
constexpr int32_t kTipoUnione = 3;
constexpr int32_t kScostamentoSeparata = 10;

void recupera_montagne(const std::vector<Cella>& celle, DescrizioneLinea* d) {
  const int32_t n = static_cast<int32_t>(celle.size());
  for (int32_t i = 0; i < n;) {
    const uint8_t tipo = celle[static_cast<size_t>(i)].montagna;
    int32_t j = i;
    while (j < n && celle[static_cast<size_t>(j)].montagna == tipo) ++j;
    if (tipo != 0) {
      const std::vector<Sezione> sezioni = sezioni_di(celle, i, j, tipo == 3);
      for (size_t k = 0; k < sezioni.size(); ++k) {
        const int32_t fine = k + 1 < sezioni.size() ? sezioni[k + 1].inizio : j;
        Montagna m{metri_di(static_cast<size_t>(sezioni[k].inizio)), metri_di(static_cast<size_t>(fine)), tipo};
        if (!d->montagne.empty() && tipo != kTipoUnione && m.inizio - d->montagne.back().fine <= kDistanzaUnione) {
          m.inizio += kScostamentoSeparata;
        }
        // A type above 10 would read as marked: an unmarked one is written
        // below 0, which keeps the same low 8 bits.
        if (sezioni[k].marcata == 1) {
          m.tipo += 10;
        } else if (m.tipo > 10) {
          m.tipo -= 256;
        }
        d->montagne.push_back(m);
      }
    }
    i = j;
  }
}

// A station's stopping cell, read later, may stand over an indicator: it
// takes the type and valore_a and leaves the other values, so an indicator
// with those values (and the same speed for category A as for B) comes back.
void recupera_indicatori(const std::vector<Cella>& celle, DescrizioneLinea* d) {
  for (size_t j = 0; j < celle.size(); ++j) {
    Cella c = celle[j];
    const bool coperto = c.tipo == kStazione && (c.valore_b != 0 || c.valore_c != 0 || c.valore_d != 0);
    if (coperto) c.valore_a = c.valore_b;
    if (c.tipo != kIndicatoriVMax && !coperto) continue;
    const ValoriIndicatori v = decodifica_indicatori(c);
    d->indicatori.push_back({.posizione = posizione_dopo(j),
                             .vas = v.a.sinistra,
                             .vbs = v.b.sinistra,
                             .vcs = v.c.sinistra,
                             .strisces = static_cast<int16_t>(v.strisce.sinistra),
                             .vad = v.a.destra,
                             .vbd = v.b.destra,
                             .vcd = v.c.destra,
                             .strisced = static_cast<int16_t>(v.strisce.destra)});
  }
}

// Rows 1 upward that hold a station.
int32_t righe_stazioni(const Elementi& elementi) {
  int32_t k = 0;
  while (k + 1 < kPrimoCartello && !riga_vuota(elementi[static_cast<size_t>(k + 1)])) ++k;
  return k;
}

// The stopping cell an author most likely put a lost signpost under: the one
// between its neighbours nearest their midpoint, else the first after the one
// before it, else any.
int32_t fermata_tra(const std::vector<int32_t>& fermate, int32_t prima, int32_t dopo) {
  int32_t scelta = -1;
  const int64_t meta = static_cast<int64_t>(prima) + dopo;  // twice the midpoint
  for (int32_t f : fermate) {
    if (f <= prima || f >= dopo) continue;
    if (scelta < 0 || std::llabs(2 * static_cast<int64_t>(f) - meta) < std::llabs(2 * static_cast<int64_t>(scelta) - meta)) {
      scelta = f;
    }
  }
  for (int32_t f : fermate) {
    if (scelta < 0 && f > prima) scelta = f;
  }
  if (scelta < 0 && !fermate.empty()) scelta = fermate.front();
  return scelta < 0 ? prima : scelta;
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
      cella = fermata_tra(fermate, cella_precedente, successiva);
    }
    d->cartelli.push_back({posizione_dopo(static_cast<size_t>(cella)), elementi[static_cast<size_t>(r)].testo});
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
