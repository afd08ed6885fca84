#include "tests/coppia_casuale.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <set>
#include <vector>

#include "model/valori_cella.h"

namespace scenario::test {
namespace {

class Generatore {
 public:
  explicit Generatore(uint64_t seme) : rng_(seme) {}

  int32_t tra(int32_t a, int32_t b) { return std::uniform_int_distribution<int32_t>(a, b)(rng_); }
  bool moneta(int su = 2) { return tra(1, su) == 1; }
  int32_t multiplo(int32_t a, int32_t b, int32_t passo) { return passo * tra(a / passo, b / passo); }
  template <typename T, size_t N>
  const T& uno_di(const std::array<T, N>& scelte) {
    return scelte[static_cast<size_t>(tra(0, static_cast<int32_t>(N) - 1))];
  }
  // Sorted distinct values from [a, b], at most `quanti`.
  std::vector<int32_t> posizioni(int32_t quanti, int32_t a, int32_t b, int32_t passo) {
    std::set<int32_t> p;
    for (int32_t i = 0; i < quanti; ++i) p.insert(multiplo(a, b, passo));
    return {p.begin(), p.end()};
  }

 private:
  std::mt19937_64 rng_;
};

std::string n(int64_t v) { return std::to_string(v); }

std::string riga(const std::string& chiave, std::initializer_list<std::string> valori) {
  std::string out = chiave;
  for (const std::string& v : valori) out += ",  " + v;
  return out + "\r\n";
}

// The cell a placement routine takes for a position: position / 50 + 1,
// rounded half to even, as the readers compute it.
int32_t cella_dopo(int32_t posizione) { return static_cast<int32_t>(std::nearbyint(posizione / 50.0 + 1.0)); }

constexpr std::array<const char*, 8> kTesti = {"(   P.L.  )(km 6+532)", "(Fiume )(TICINO)", "(Galleria)(VALENZA)",
                                               "( Casello)(12 + 600)", "(NAVIGLIO)( GRANDE)", "Ponte",
                                               "(Confluenza da)(    PAVIA )", "(  P.L.A. )(km 28+799)"};
constexpr std::array<const char*, 6> kNomi = {"MILANO", "CORSICO", "ABBIATEGRASSO", "LA STAZIONE", "PARONA",
                                              "VALLE LOMELLINA"};

class Coppia {
 public:
  explicit Coppia(uint64_t seme) : g_(seme) {}

  CoppiaCasuale genera() {
    lunghezza_ = g_.moneta(4) ? g_.tra(3000, 30000) : g_.multiplo(3000, 30000, 50);
    ultima_ = static_cast<int32_t>(std::nearbyint((lunghezza_ + 7000) / 50.0));
    CoppiaCasuale c;
    c.linea = linea();
    c.treno = treno();
    return c;
  }

 private:
  // Takes a free cell for an object, or says none could be found.
  bool prendi(int32_t cella) {
    if (cella < 3 || cella > ultima_ - 3 || occupate_.count(cella) != 0) return false;
    occupate_.insert(cella);
    return true;
  }
  bool libera(int32_t cella) const { return cella >= 3 && cella <= ultima_ - 3 && occupate_.count(cella) == 0; }

  std::string linea() {
    std::string t = g_.moneta(3) ? "Linea di prova\r\n[generale]\r\n" : "[generale]\r\n";
    t += riga("lunghezza percorso", {n(lunghezza_)});
    const int32_t d = g_.multiplo(0, lunghezza_, 50), tre = std::max(d + 50, g_.multiplo(0, lunghezza_, 50));
    t += riga("progressiva chilometrica uno", {"0", n(g_.multiplo(0, 90000, 50)), n(g_.tra(0, 1))});
    if (g_.moneta()) t += riga("progressiva chilometrica due", {n(d), n(g_.multiplo(0, 90000, 50)), n(g_.tra(0, 1))});
    if (g_.moneta()) t += riga("progressiva chilometrica tre", {n(tre), n(g_.multiplo(0, 90000, 50)), n(g_.tra(0, 1))});
    t += riga("sfondo uno", {n(g_.tra(0, 3))});
    t += riga("sfondo due", {n(g_.tra(0, 3))});
    t += riga("sfondo tre", {n(g_.tra(0, 3))});
    t += riga(g_.moneta() ? "ripetizione segnali 4 codici" : "ripetizione segnali 9 codici",
              {n(g_.multiplo(0, 2000, 50)), n(g_.multiplo(0, 2000, 50))});
    t += "[curve]\r\n";
    int32_t da = 2;
    for (int32_t i = g_.tra(0, 8); i > 0 && da < lunghezza_ - 200; --i) {
      const int32_t inizio = g_.tra(da, std::min(lunghezza_ - 100, da + 3000));
      const int32_t lunghezza = g_.tra(1, std::min(2000, lunghezza_ - inizio));
      t += riga(std::string("curva") + (g_.moneta() ? "s" : "d") + static_cast<char>('0' + g_.tra(1, 6)),
                {n(inizio), n(lunghezza)});
      da = inizio + lunghezza + g_.tra(0, 300);
    }
    t += "[pendenze]\r\n";
    for (int32_t p : g_.posizioni(g_.tra(0, 10), 0, lunghezza_, g_.moneta() ? 50 : 1)) {
      t += riga("pendenza", {n(p), n(g_.tra(-30, 30))});
    }
    t += "[montagne]\r\n";
    int32_t inizio = g_.multiplo(0, lunghezza_ / 2, 50);
    for (int32_t i = g_.tra(0, 3); i > 0 && inizio < lunghezza_; --i) {
      const int32_t fine = inizio + g_.multiplo(200, 3000, 50);
      t += riga("montagna", {n(inizio), n(fine), n(g_.tra(1, 20))});
      inizio = fine + g_.multiplo(0, 3000, 50);
    }
    t += "[cartelli]\r\n";
    for (int32_t p : g_.posizioni(g_.tra(0, 5), 500, lunghezza_, 50)) {
      if (!prendi(cella_dopo(p))) continue;
      t += riga("indicatori_vmax", {n(p), n(g_.multiplo(30, 160, 5)), n(g_.multiplo(30, 160, 5)),
                                    n(g_.multiplo(30, 160, 5)), n(g_.tra(0, 2)), g_.moneta() ? "" : n(g_.multiplo(0, 200, 5)),
                                    "", "", n(g_.tra(0, 2))});
    }
    t += "[indicazioni]\r\n";
    for (int32_t p : g_.posizioni(g_.tra(0, 8), 500, lunghezza_, 50)) {
      if (!prendi(cella_dopo(p))) continue;
      t += "cartello_indicatore,  " + n(p) + ",     " + g_.uno_di(kTesti) + "\r\n";
    }
    return t + "[fine]\r\n";
  }

  std::string generale_treno() {
    std::string t = "[generale]\r\n";
    t += riga("numero vetture", {n(g_.tra(1, 15))});
    t += riga("percentuale massa frenata", {n(g_.tra(50, 150))});
    t += riga("sabbia", {n(g_.tra(0, 500))});
    t += "orologio,     " + n(g_.tra(0, 23)) + "    " + n(g_.tra(0, 59)) + "  " + n(g_.tra(0, 59)) + "\r\n";
    t += "[aderenze]\r\n";
    t += riga("aderenza", {"0", n(g_.tra(50, 120))});
    for (int32_t p : g_.posizioni(g_.tra(0, 3), 50, lunghezza_, 50)) t += riga("aderenza", {n(p), n(g_.tra(50, 120))});
    t += "[vel_limite]\r\n";
    t += riga("velocita", {"0", n(g_.tra(10, 160))});
    for (int32_t p : g_.posizioni(g_.tra(0, 6), 50, lunghezza_, 50)) t += riga("velocita", {n(p), n(g_.tra(10, 160))});
    return t;
  }

  std::string stazioni() {
    std::string t = "[stazioni]\r\n";
    constexpr std::array<int32_t, 9> kTipi = {2, 4, 5, 7, 12, 12, 24, 26, 28};
    int32_t fine_precedente = -100000;
    int32_t posizione = g_.multiplo(0, 2000, 50);
    for (int32_t k = g_.tra(0, 6); k > 0; --k) {
      const int32_t tipo = g_.uno_di(kTipi);
      const int32_t lunghezza = g_.multiplo(200, 800, 100);
      const int32_t byte3 = g_.tra(0, 1);
      int32_t inizio = posizione - lunghezza / 2, fine = posizione + lunghezza / 2 + (byte3 != 0 ? 50 : 0);
      if (tipo == 5) inizio = posizione - lunghezza, fine = posizione + 150;
      if (tipo == 7) inizio = posizione - lunghezza, fine = posizione + lunghezza;
      if (posizione + 800 > 50 * ultima_ - 800 || fine / 50 - 1 < 2 || inizio - 350 < fine_precedente) {
        posizione += 1000;
        continue;
      }
      fine_precedente = fine;
      if (tipo < kPrimoTipoSenzaFermata) {
        // The stopping cell and the four marks before it: no signal goes there.
        for (int32_t c = fine / 50 - 5; c <= fine / 50 - 1; ++c) occupate_.insert(c);
      }
      t += "- " + std::string(g_.uno_di(kNomi)) + "\r\n";
      const int32_t h = g_.moneta() ? g_.tra(0, 23) : 0;
      t += riga("stazione", {n(posizione), n(tipo), n(lunghezza), n(g_.tra(0, 2)), n(g_.tra(0, 2)), n(byte3),
                             n(g_.tra(0, 4)), n(g_.tra(0, 2)), n(g_.tra(0, 1)), n(g_.tra(0, 4)), n(g_.tra(0, 2)),
                             n(g_.tra(0, 2)), n(g_.moneta() ? 60 : 0), n(h), n(h != 0 ? g_.tra(0, 59) : 0),
                             n(g_.tra(0, 59)), std::string(" ") + g_.uno_di(kNomi)});
      posizione = fine + 400 + lunghezza + g_.multiplo(0, 6000, 50);
    }
    return t;
  }

  std::string rallentamenti() {
    std::string t = "[rallentamenti]\r\n";
    int32_t x = g_.multiplo(1600, 4000, 50);
    const int32_t quanti = g_.tra(0, 2);
    for (int32_t prove = 0, messi = 0; prove < 8 && messi < quanti && x + 2000 < lunghezza_; ++prove) {
      const int32_t l = g_.multiplo(50, 1500, 50), f_ta = g_.tra(0, 1);
      const int32_t s = cella_dopo(x), e = cella_dopo(x + l), w = cella_dopo(x - 1200);
      bool ok = libera(s) && libera(e) && libera(w);
      for (int32_t c = w - 4; c < w && f_ta != 0; ++c) ok = ok && libera(c);
      // The layout pass puts markers before the start and along the way.
      for (int32_t c = s - 20; c <= e + 13; ++c) ok = ok && libera(c);
      if (ok) {
        for (int32_t c = std::min(s - 20, w - 4); c <= e + 13; ++c) occupate_.insert(c);
        t += riga("rallentamento", {n(x), n(g_.multiplo(30, 150, 5)), n(l), n(g_.tra(0, 1)), n(f_ta), n(g_.tra(0, 3))});
        ++messi;
      }
      x += l + g_.multiplo(500, 4000, 50);
    }
    return t;
  }

  std::string segnali() {
    std::string t = "[segnali]\r\n";
    for (int32_t p : g_.posizioni(g_.tra(0, 10), 500, lunghezza_, 50)) {
      const int32_t c = cella_dopo(p);
      // A signal's own cell, and the two before it where a marker may go.
      if (!libera(c) || !libera(c - 1) || !libera(c - 2)) continue;
      occupate_.insert({c, c - 1, c - 2});
      constexpr std::array<int32_t, 5> kTempi = {0, 0, 50, 101, 300};
      t += riga("segnale", {n(p), n(g_.tra(1, 2)), n(g_.tra(0, 9)), n(g_.tra(0, 9)), n(g_.tra(0, 9)), n(g_.tra(0, 1)),
                            n(g_.tra(0, 2)), n(g_.tra(0, 9)), n(g_.tra(0, 9)), n(g_.tra(0, 9)), n(g_.uno_di(kTempi))});
    }
    return t;
  }

  std::string abbattimenti() {
    std::string t = "[codici]\r\n";
    for (int32_t p : g_.posizioni(g_.tra(0, 3), 500, lunghezza_, 50)) {
      const int32_t c = p / 50;
      if (!prendi(c)) continue;
      constexpr std::array<int32_t, 5> kValori = {0, -5, 180, 250, 60};
      t += riga("abbattimento", {n(p), n(g_.uno_di(kValori))});
    }
    return t;
  }

  std::string treno() {
    return generale_treno() + stazioni() + rallentamenti() + segnali() + abbattimenti() + "[fine]\r\n";
  }

  Generatore g_;
  int32_t lunghezza_ = 0;
  int32_t ultima_ = 0;
  std::set<int32_t> occupate_;
};

}  // namespace

CoppiaCasuale coppia_casuale(uint64_t seme) { return Coppia(seme).genera(); }

}  // namespace scenario::test
