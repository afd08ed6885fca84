// Curve entries read back from the plan. Every metre from 2 on was drawn by
// one step from the two points before it: straight, or curved with one of the
// six curvatures, to the right or to the left. The step that gives the stored
// point bit for bit is the one the compiler took.
#include <bit>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "decompile/recupera.h"
#include "model/flusso_tracciato.h"
#include "model/passo_tracciato.h"

namespace scenario::decompila {
namespace {

struct Passo {
  char cifra;  // 0: straight
  bool sinistra;
  double k;
};

bool stessi_bit(double a, double b) { return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b); }

// The step that draws the point (x, y) after the points (x2, y2) and
// (x1, y1), tried straight first, with the compiler's own steps.
std::optional<Passo> passo_di(double x2, double y2, double x1, double y1, double x, double y) {
  const auto uguale = [&](PuntoPiano p) { return stessi_bit(p.x, x) && stessi_bit(p.y, y); };
  if (uguale(passo_dritto(x2, y2, x1, y1))) return Passo{0, false, 0.0};
  for (const Curvatura& curva : kCurvature) {
    for (bool sinistra : {false, true}) {
      if (uguale(passo_curvo(x2, y2, x1, y1, sinistra ? -curva.k : curva.k))) {
        return Passo{curva.cifra, sinistra, curva.k};
      }
    }
  }
  return std::nullopt;
}

// The walk over the plan's metres, holding the two before the one it matches.
class Ricerca {
 public:
  Ricerca(std::vector<Curva>* curve, std::string* errore) : curve_(curve), errore_(errore) {}

  bool riuscita() const { return !fallita_; }

  void metro(size_t c, const Punto& x, const Punto& y) {
    const bool vuoto = x.tag == TagPunto::kVuoto && y.tag == TagPunto::kVuoto;
    const double px = x.valore(), py = y.valore();
    if (!fallita_ && c >= 2) abbina(c, x, y, vuoto);
    x2_ = x1_, y2_ = y1_, x1_ = px, y1_ = py;
  }

 private:
  void fallisci(std::string perche) {
    *errore_ = std::move(perche);
    fallita_ = true;
  }

  void abbina(size_t c, const Punto& x, const Punto& y, bool vuoto) {
    // The last two metres stay empty unless a curve reached them; nothing
    // is drawn after an empty point.
    if (fermo_) {
      if (!vuoto) fallisci("metre " + std::to_string(c) + " is drawn after an empty metre");
      return;
    }
    if (vuoto) {
      fermo_ = true;
      return;
    }
    const std::optional<Passo> passo = x.tag == TagPunto::kReale && y.tag == TagPunto::kReale
                                           ? passo_di(x2_, y2_, x1_, y1_, x.valore(), y.valore())
                                           : std::nullopt;
    if (!passo) return fallisci("metre " + std::to_string(c) + " is none of the steps the compiler draws");
    if (passo->cifra == 0) return;
    // A curved metre c belongs to a curve that starts at metre c - 1 or one
    // already running up to c - 1 with the same step.
    const int32_t metro = static_cast<int32_t>(c);
    if (!curve_->empty()) {
      Curva& ultima = curve_->back();
      if (ultima.inizio + ultima.lunghezza == metro - 1 && ultima.cifra == passo->cifra &&
          ultima.sinistra == passo->sinistra) {
        ++ultima.lunghezza;
        return;
      }
    }
    curve_->push_back({metro - 1, 1, passo->cifra, passo->sinistra});
  }

  std::vector<Curva>* curve_;
  std::string* errore_;
  bool fallita_ = false;
  bool fermo_ = false;  // an empty metre was met
  double x2_ = 0, y2_ = 0, x1_ = 0, y1_ = 0;
};

}  // namespace

bool recupera_curve(const PianoAPassi& piano, std::vector<Curva>* curve, std::string* errore) {
  curve->clear();
  if (piano.righe < 2) {
    *errore = "the plan has no starting points";
    return false;
  }
  Ricerca ricerca(curve, errore);
  piano.scorri([&ricerca](size_t c, const Punto& x, const Punto& y) { ricerca.metro(c, x, y); });
  return ricerca.riuscita();
}

bool recupera_curve(const PuntiTracciato& tracciato, std::vector<Curva>* curve, std::string* errore) {
  if (tracciato.y.size() != tracciato.x.size()) {
    curve->clear();
    *errore = "the plan has no starting points";
    return false;
  }
  return recupera_curve(piano_di(tracciato), curve, errore);
}

}  // namespace scenario::decompila
