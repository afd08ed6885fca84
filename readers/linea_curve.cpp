// Curve entries of the line description: the stretches of the track plan.
#include "readers/linea_lettura.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/codici_errore.h"
#include "model/passo_tracciato.h"
#include "model/stato.h"
#include "model/tipi_avviso.h"
#include "platform/da_tradurre.h"
#include "readers/posizioni.h"

namespace scenario {
namespace {

constexpr int64_t kUltimoMetro = 1000000;  // the plan cursor may not pass this metre

// The first digit found, in the order of kCurvature, gives the curvature: a
// key holding both "2" and "5" is a curve of type 2.
std::optional<double> curvatura(std::string_view chiave) {
  for (const Curvatura& voce : kCurvature) {
    if (chiave.find(voce.cifra) != std::string_view::npos) return voce.k;
  }
  return std::nullopt;
}

// Draws rows from the cursor up to `fino`, straight when k is absent: the plan
// records the stretch, and its points are computed when its file is written.
// Records kErroreCurva once the cursor passes the last metre, with the rows
// up to that metre drawn.
bool traccia_fino(LetturaLinea& l, int64_t fino, std::optional<double> k) {
  if (l.riga_tracciato > fino) return true;
  const int64_t ultima = std::min(fino, kUltimoMetro);
  l.stato.tracciato.traccia(static_cast<int32_t>(ultima), k);
  l.riga_tracciato = static_cast<int32_t>(ultima + 1);
  if (l.riga_tracciato > kUltimoMetro) {
    l.guasto(kErroreCurva);
    return false;
  }
  return true;
}

// The cursor only moves forward: a curve that starts behind it is drawn only
// from the cursor on, and one that ends behind it is lost.
void avverti_sovrapposizione(LetturaLinea& l, int32_t inizio, int32_t lunghezza, int64_t fine) {
  if (l.riga_tracciato <= static_cast<int64_t>(inizio) + 1) return;
  std::vector<std::string> valori = {std::to_string(inizio), std::to_string(lunghezza),
                                     std::to_string(l.riga_tracciato - 1)};
  if (l.riga_tracciato > fine) {
    l.avverti(kAvvisoSenzaEffetto, N_("curve at %1 m, %2 m long, has no effect: the plan is already drawn up to metre %3"),
              std::move(valori));
  } else {
    l.avverti(kAvvisoSenzaEffetto, N_("curve at %1 m, %2 m long, applies only in part: the plan is already drawn up to metre %3"),
              std::move(valori));
  }
}

}  // namespace

Esito voce_curva(LetturaLinea& l) {
  const std::string_view chiave = l.chiave();
  int32_t inizio = 0;
  int32_t lunghezza = 0;
  if (!l.leggi_valore(&inizio) || !l.leggi_valore(&lunghezza)) return Esito::kFermo;
  if (oltre_le_celle(l.stato, inizio)) {
    l.guasto(kErroreOltreLeCelle, inizio);
    return Esito::kOltre;
  }
  std::optional<double> k = curvatura(chiave);
  if (!k) {
    l.guasto(kErroreCurva);
    return Esito::kFermo;
  }
  if (contiene_senza_maiuscole(chiave, "s")) k = -*k;  // "curvas4" turns left, "curvad6" right
  const int64_t fine = static_cast<int64_t>(inizio) + lunghezza;
  // The drawing stops past metre 1000000 (kErroreCurva) whatever the curve's
  // length, so only the rows up to there must lie inside the plan.
  if (std::min(fine, kUltimoMetro) > l.stato.lunghezza_tracciato) {  // its last rows would lie outside the plan
    l.guasto(kErroreCurvaOltre, inizio);
    return Esito::kFermo;
  }
  avverti_sovrapposizione(l, inizio, lunghezza, fine);
  if (!traccia_fino(l, inizio, std::nullopt) || !traccia_fino(l, fine, k)) return Esito::kFermo;
  return Esito::kAvanti;
}

void coda_tracciato(LetturaLinea& l) {
  Compilatore& stato = l.stato;
  if (!stato.tracciato.presente()) return;
  // No metre limit here; the last two rows stay empty.
  const int32_t fine = stato.lunghezza_tracciato - 2;
  if (l.riga_tracciato > fine) return;
  stato.tracciato.traccia(fine, std::nullopt);
  l.riga_tracciato = fine + 1;
}

}  // namespace scenario
