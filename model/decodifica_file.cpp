#include "model/decodifica_file.h"

#include "model/codifica.h"
#include "model/file_compilati.h"

namespace scenario {
namespace {

bool fallisci(std::string* errore, size_t offset, const std::string& messaggio) {
  *errore = "offset " + std::to_string(offset) + ": " + messaggio;
  return false;
}

// Decodes one table record at `*at`, advancing it; false when the file ends
// inside the record.
bool decodifica_elemento(std::string_view d, size_t* at, Elemento* e) {
  size_t p = *at;
  if (d.size() - p < 16) return false;
  e->tipo = GetU8(d, p);
  e->dato1 = GetI32(d, p + 1);
  e->dato2 = GetI32(d, p + 5);
  e->dato3 = GetI32(d, p + 9);
  e->segno = GetU8(d, p + 13);
  const size_t n = GetU16(d, p + 14);
  p += 16;
  if (d.size() - p < n + 18) return false;
  e->testo.assign(d.substr(p, n));
  p += n;
  e->intero1 = GetI16(d, p);
  e->intero2 = GetI16(d, p + 2);
  e->intero3 = GetI16(d, p + 4);
  e->intero4 = GetI16(d, p + 6);
  e->intero5 = GetI16(d, p + 8);
  e->byte1 = GetU8(d, p + 10);
  e->byte2 = GetU8(d, p + 11);
  e->byte3 = GetU8(d, p + 12);
  e->byte4 = GetU8(d, p + 13);
  e->dato4 = GetI32(d, p + 14);
  *at = p + 18;
  return true;
}

}  // namespace

bool decodifica_elementi(std::string_view dati, Elementi* elementi, std::string* errore) {
  size_t at = 0;
  for (int riga = 0; riga < kRigheElementi; ++riga) {
    const size_t inizio = at;
    if (!decodifica_elemento(dati, &at, &(*elementi)[static_cast<size_t>(riga)])) {
      return fallisci(errore, inizio,
                      "the file ends inside row " + std::to_string(riga) + " (a table has 87 rows)");
    }
  }
  if (at != dati.size()) {
    return fallisci(errore, at, std::to_string(dati.size() - at) + " bytes after row 86 (a table has 87 rows)");
  }
  return true;
}

bool decodifica_celle(std::string_view dati, std::vector<Cella>* celle, std::string* errore) {
  if (dati.size() % kRecordCella != 0) {
    return fallisci(errore, dati.size() - dati.size() % kRecordCella,
                    "size " + std::to_string(dati.size()) + " is not a multiple of 15 (one cell is 15 bytes)");
  }
  celle->assign(dati.size() / kRecordCella, Cella{});
  for (size_t k = 0; k < celle->size(); ++k) {
    const size_t p = k * kRecordCella;
    Cella& c = (*celle)[k];
    c.tipo = GetU8(dati, p);
    c.valore_a = GetI16(dati, p + 1);
    c.valore_b = GetI16(dati, p + 3);
    c.valore_c = GetI16(dati, p + 5);
    c.valore_d = GetI16(dati, p + 7);
    c.tempo = GetU8(dati, p + 9);
    c.avviso = GetU8(dati, p + 10);
    c.montagna = GetU8(dati, p + 11);
    c.velocita = GetU8(dati, p + 12);
    c.pendenza = GetU8(dati, p + 13);
    c.aderenza = GetU8(dati, p + 14);
  }
  return true;
}

bool decodifica_tracciato(std::string_view dati, PuntiTracciato* tracciato, std::string* errore) {
  std::vector<Punto> punti;
  size_t at = 0;
  while (at < dati.size()) {
    if (dati.size() - at < 2) return fallisci(errore, at, "the file ends inside a point's tag");
    const uint16_t tag = GetU16(dati, at);
    Punto p;
    if (tag == static_cast<uint16_t>(TagPunto::kVuoto)) {
      at += 2;
    } else if (tag == static_cast<uint16_t>(TagPunto::kIntero)) {
      if (dati.size() - at < 4) return fallisci(errore, at, "the file ends inside a 16-bit point");
      p = {TagPunto::kIntero, GetI16(dati, at + 2), 0.0};
      at += 4;
    } else if (tag == static_cast<uint16_t>(TagPunto::kReale)) {
      if (dati.size() - at < 10) return fallisci(errore, at, "the file ends inside a 64-bit point");
      p = {TagPunto::kReale, 0, GetF64(dati, at + 2)};
      at += 10;
    } else {
      return fallisci(errore, at, "point tag " + std::to_string(tag) + " (a plan holds only tags 0, 2 and 5)");
    }
    punti.push_back(p);
  }
  if (punti.size() % 2 != 0) {
    return fallisci(errore, dati.size(),
                    std::to_string(punti.size()) + " points: a plan holds two columns of equal length");
  }
  const size_t meta = punti.size() / 2;
  *tracciato = PuntiTracciato{};
  for (size_t i = 0; i < punti.size(); ++i) (i < meta ? tracciato->x : tracciato->y).aggiungi(punti[i]);
  return true;
}

}  // namespace scenario
