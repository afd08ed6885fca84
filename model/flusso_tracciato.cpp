#include "model/flusso_tracciato.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "model/codifica.h"
#include "model/decodifica_file.h"

namespace scenario {

void CursorePunti::prepara(size_t n) {
  if (fine_ - inizio_ >= n) return;
  std::memmove(pezzo_.data(), pezzo_.data() + inizio_, fine_ - inizio_);
  fine_ -= inizio_;
  inizio_ = 0;
  while (fine_ < n) {
    const size_t letti = leggi_(posizione_ + fine_, pezzo_.data() + fine_, pezzo_.size() - fine_);
    if (letti == 0) return;
    fine_ += letti;
  }
}

Punto CursorePunti::prossimo() {
  prepara(10);
  std::string_view resto(pezzo_.data() + inizio_, fine_ - inizio_);
  const size_t prima = resto.size();
  Punto p;
  uint16_t tag = 0;
  if (GetU16(&resto, &tag)) {
    if (tag == static_cast<uint16_t>(TagPunto::kIntero)) {
      p.tag = TagPunto::kIntero;
      GetI16(&resto, &p.intero);
    } else if (tag == static_cast<uint16_t>(TagPunto::kReale)) {
      p.tag = TagPunto::kReale;
      GetF64(&resto, &p.reale);
    }
  }
  const size_t usati = prima - resto.size();
  inizio_ += usati;
  posizione_ += usati;
  return p;
}

bool esamina_tracciato(const LeggiPezzo& leggi, uint64_t byte, FormaTracciato* forma, Testo* errore) {
  if (std::optional<Testo> perche = dimensione_non_valida(TipoCompilato::kTracciato, byte)) {
    *errore = std::move(*perche);
    return false;
  }
  auto fallisci = [errore](uint64_t offset, std::string_view modello, std::vector<std::string> valori = {}) {
    valori.insert(valori.begin(), std::to_string(offset));
    *errore = Testo{modello, std::move(valori)};
    return false;
  };
  // The first point that is not a finite number: reported only once the
  // shape is known good, with its column and metre.
  uint64_t punto_non_finito = UINT64_MAX;
  uint64_t offset_non_finito = 0;
  bool nan = false;
  uint64_t punti = 0;
  uint64_t at = 0;
  // Points never straddle a piece: a piece's tail shorter than a point is
  // read again at the front of the next one.
  char pezzo[1 << 15];
  size_t dentro = 0, fine = 0;
  uint64_t inizio_pezzo = 0;
  // The offset of every 4096th point, from which column y's start is found
  // once the number of points is known.
  constexpr uint64_t kOgni = 4096;
  std::vector<uint64_t> tappe;
  while (at < byte) {
    if (punti % kOgni == 0) tappe.push_back(at);
    if (fine - dentro < 10) {
      inizio_pezzo = at;
      fine = leggi(at, pezzo, sizeof pezzo);
      dentro = 0;
    }
    std::string_view resto(pezzo + dentro, fine - dentro);
    uint16_t tag = 0;
    if (!GetU16(&resto, &tag)) return fallisci(at, N_("offset %1: the file ends inside a point's tag"));
    const size_t dimensione = tag == static_cast<uint16_t>(TagPunto::kVuoto)    ? 2
                              : tag == static_cast<uint16_t>(TagPunto::kIntero) ? 4
                              : tag == static_cast<uint16_t>(TagPunto::kReale)  ? 10
                                                                                : 0;
    if (dimensione == 0) {
      return fallisci(at, N_("offset %1: point tag %2 (a plan holds only tags 0, 2 and 5)"), {std::to_string(tag)});
    }
    if (resto.size() < dimensione - 2) {
      return fallisci(at, dimensione == 4 ? N_("offset %1: the file ends inside a 16-bit point")
                                          : N_("offset %1: the file ends inside a 64-bit point"));
    }
    if (dimensione == 10 && punto_non_finito == UINT64_MAX) {
      double valore = 0.0;
      GetF64(&resto, &valore);
      if (!std::isfinite(valore)) {
        punto_non_finito = punti;
        offset_non_finito = at;
        nan = std::isnan(valore);
      }
    }
    dentro += dimensione;
    at = inizio_pezzo + dentro;
    ++punti;
  }
  if (punti % 2 != 0) {
    return fallisci(byte, N_("offset %1: %2 points: a plan holds two columns of equal length"),
                    {std::to_string(punti)});
  }
  const uint64_t righe = punti / 2;
  // The longest plan: a 64-bit point (10 bytes) at every metre of both columns.
  const uint64_t massime = dimensione_massima(TipoCompilato::kTracciato) / 20;
  if (righe > massime) {
    return fallisci(0, N_("offset %1: %2 metres: the longest line's plan has %3"),
                    {std::to_string(righe), std::to_string(massime)});
  }
  if (punto_non_finito != UINT64_MAX) {
    const bool in_x = punto_non_finito < righe;
    return fallisci(offset_non_finito,
                    nan ? N_("offset %1: metre %2 of column %3 holds NaN, not a number of metres")
                        : N_("offset %1: metre %2 of column %3 holds an infinity, not a number of metres"),
                    {std::to_string(in_x ? punto_non_finito : punto_non_finito - righe), in_x ? "x" : "y"});
  }
  // Column y starts after the first `righe` points: a short walk from the
  // last stop before it finds it.
  CursorePunti y(leggi, righe == 0 ? 0 : tappe[righe / kOgni]);
  for (uint64_t i = righe / kOgni * kOgni; i < righe; ++i) y.prossimo();
  forma->righe = static_cast<size_t>(righe);
  forma->inizio_y = y.posizione();
  return true;
}

void scorri_tracciato(const LeggiPezzo& leggi, const FormaTracciato& forma, const VisitaMetro& visita) {
  CursorePunti x(leggi, 0);
  CursorePunti y(leggi, forma.inizio_y);
  for (size_t metro = 0; metro < forma.righe; ++metro) {
    const Punto px = x.prossimo();
    visita(metro, px, y.prossimo());
  }
}

PianoAPassi piano_di(const PuntiTracciato& tracciato) {
  PianoAPassi piano;
  piano.righe = std::min(tracciato.x.size(), tracciato.y.size());
  piano.scorri = [&tracciato, righe = piano.righe](const VisitaMetro& visita) {
    for (size_t m = 0; m < righe; ++m) visita(m, tracciato.x[m], tracciato.y[m]);
  };
  return piano;
}

LeggiPezzo pezzi_di(std::string_view dati) {
  return [dati](uint64_t posizione, char* dove, size_t quanti) -> size_t {
    if (posizione >= dati.size()) return 0;
    return dati.copy(dove, quanti, static_cast<size_t>(posizione));
  };
}

bool decodifica_tracciato(const LeggiPezzo& leggi, uint64_t byte, PuntiTracciato* tracciato, Testo* errore) {
  // First the shape; only then is anything held.
  FormaTracciato forma;
  if (!esamina_tracciato(leggi, byte, &forma, errore)) return false;
  PuntiTracciato letto;
  letto.x.azzera(forma.righe);
  letto.y.azzera(forma.righe);
  scorri_tracciato(leggi, forma, [&letto](size_t metro, const Punto& x, const Punto& y) {
    letto.x.imposta(metro, x);
    letto.y.imposta(metro, y);
  });
  *tracciato = std::move(letto);
  return true;
}

}  // namespace scenario
