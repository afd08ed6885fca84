// Curve entries read back from the plan. Every metre from 2 on was drawn by
// one step from the two points before it: straight, or curved with one of the
// six curvatures, to the right or to the left. The step that gives the stored
// point bit for bit is the one the compiler took.
#include <bit>
#include <cstdint>
#include <optional>

#include "decompile/recupera.h"
#include "readers/linea_passo_tracciato.h"

namespace scenario::decompila {
namespace {

struct Passo {
  char cifra;  // 0: straight
  bool sinistra;
  double k;
};

bool stessi_bit(double a, double b) { return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b); }

// The step that draws metre c of `tracciato`, tried straight first. The steps
// are drawn by the compiler's own routines on `prova`, a plan of three points.
std::optional<Passo> passo_di(const Tracciato& tracciato, size_t c, Tracciato& prova) {
  for (size_t i = 0; i < 2; ++i) {
    prova.x.imposta(i, tracciato.x[c - 2 + i]);
    prova.y.imposta(i, tracciato.y[c - 2 + i]);
  }
  const double x = tracciato.x.valore(c);
  const double y = tracciato.y.valore(c);
  const auto uguale = [&] { return stessi_bit(prova.x.valore(2), x) && stessi_bit(prova.y.valore(2), y); };
  passo_dritto(prova, 2);
  if (uguale()) return Passo{0, false, 0.0};
  for (const Curvatura& curva : kCurvature) {
    for (bool sinistra : {false, true}) {
      passo_curvo(prova, 2, sinistra ? -curva.k : curva.k);
      if (uguale()) return Passo{curva.cifra, sinistra, curva.k};
    }
  }
  return std::nullopt;
}

}  // namespace

bool recupera_curve(const Tracciato& tracciato, std::vector<Curva>* curve, std::string* errore) {
  curve->clear();
  const size_t n = tracciato.x.size();
  if (n < 2 || tracciato.y.size() != n) {
    *errore = "the plan has no starting points";
    return false;
  }
  Tracciato prova;
  prova.x.azzera(3);
  prova.y.azzera(3);
  for (size_t c = 2; c < n; ++c) {
    if (tracciato.x.tag(c) == TagPunto::kVuoto && tracciato.y.tag(c) == TagPunto::kVuoto) {
      // The last two metres stay empty unless a curve reached them; nothing
      // is drawn after an empty point.
      for (size_t d = c; d < n; ++d) {
        if (tracciato.x.tag(d) != TagPunto::kVuoto || tracciato.y.tag(d) != TagPunto::kVuoto) {
          *errore = "metre " + std::to_string(d) + " is drawn after an empty metre";
          return false;
        }
      }
      return true;
    }
    const std::optional<Passo> passo =
        tracciato.x.tag(c) == TagPunto::kReale && tracciato.y.tag(c) == TagPunto::kReale ? passo_di(tracciato, c, prova)
                                                                                          : std::nullopt;
    if (!passo) {
      *errore = "metre " + std::to_string(c) + " is none of the steps the compiler draws";
      return false;
    }
    if (passo->cifra == 0) continue;
    // A curved metre c belongs to a curve that starts at metre c - 1 or one
    // already running up to c - 1 with the same step.
    const int32_t metro = static_cast<int32_t>(c);
    if (!curve->empty()) {
      Curva& ultima = curve->back();
      if (ultima.inizio + ultima.lunghezza == metro - 1 && ultima.cifra == passo->cifra &&
          ultima.sinistra == passo->sinistra) {
        ++ultima.lunghezza;
        continue;
      }
    }
    curve->push_back({metro - 1, 1, passo->cifra, passo->sinistra});
  }
  return true;
}

}  // namespace scenario::decompila
