#include "model/codifica_tracciato.h"

#include <cassert>
#include <memory>

#include "model/codifica.h"
#include "model/punti_tracciato.h"

namespace scenario {
namespace {

char* codifica_punto(char* dst, TagPunto tag, double valore) {
  dst = EncodeU16(dst, static_cast<uint16_t>(tag));
  if (tag == TagPunto::kReale) return EncodeF64(dst, valore);
  if (tag == TagPunto::kIntero) return EncodeI16(dst, static_cast<int16_t>(valore));
  return dst;
}

// The next points, as many as surely fit a piece, into the two pieces; the
// bytes put in each (a point's x and y share its tag, so both fill alike).
// Kept apart from the writing: with no call in it, the drawing state stays in
// registers.
[[gnu::noinline]] size_t codifica_lotto(PuntiInOrdine& punti, char* x, char* y) {
  size_t pieno = 0;
  punti.prossimi(kPezzoTracciato / kPuntoReale, [&](int32_t, TagPunto tag, double vx, double vy) {
    codifica_punto(y + pieno, tag, vy);
    pieno = static_cast<size_t>(codifica_punto(x + pieno, tag, vx) - x);
  });
  return pieno;
}

}  // namespace

uint64_t dimensione_colonna(const Tracciato& tracciato) {
  if (!tracciato.presente()) return 0;
  const auto righe = static_cast<uint64_t>(tracciato.righe());
  const int32_t ultima = tracciato.ultima_riga();
  if (ultima < 0) return kPuntoVuoto * righe;
  // Rows 0 and 1 the seeds, rows 2 to ultima computed, the rest empty.
  const auto calcolate = static_cast<uint64_t>(ultima) - 1;
  return 2 * kPuntoIntero + kPuntoReale * calcolate + kPuntoVuoto * (righe - 2 - calcolate);
}

bool codifica_tracciato(const Tracciato& tracciato,
                        const std::function<bool(uint64_t posizione, std::string_view pezzo)>& scrivi) {
  const auto buffer = std::make_unique_for_overwrite<char[]>(2 * kPezzoTracciato);
  char* const x = buffer.get();
  char* const y = x + kPezzoTracciato;
  uint64_t posizione_x = 0;
  uint64_t posizione_y = dimensione_colonna(tracciato);
  PuntiInOrdine punti(tracciato);
  while (!punti.finiti()) {
    const size_t pieno = codifica_lotto(punti, x, y);
    if (!scrivi(posizione_x, std::string_view(x, pieno)) || !scrivi(posizione_y, std::string_view(y, pieno))) {
      return false;
    }
    posizione_x += pieno;
    posizione_y += pieno;
  }
  assert(posizione_x == dimensione_colonna(tracciato));
  return true;
}

std::string codifica_tracciato(const Tracciato& tracciato) {
  std::string out(2 * dimensione_colonna(tracciato), '\0');
  codifica_tracciato(tracciato, [&](uint64_t posizione, std::string_view pezzo) {
    out.replace(posizione, pezzo.size(), pezzo);
    return true;
  });
  return out;
}

std::string codifica_tracciato(const PuntiTracciato& punti) {
  std::string out;
  char punto[kPuntoReale];
  for (const Colonna* colonna : {&punti.x, &punti.y}) {
    for (size_t i = 0; i < colonna->size(); ++i) {
      const char* fine = codifica_punto(punto, colonna->tag(i), colonna->valore(i));
      out.append(punto, static_cast<size_t>(fine - punto));
    }
  }
  return out;
}

}  // namespace scenario
