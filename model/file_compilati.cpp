#include "model/file_compilati.h"

#include <algorithm>
#include <cassert>
#include <functional>
#include <string_view>
#include <vector>

#include "model/codifica.h"
#include "model/stato.h"

namespace scenario {
namespace {

void codifica_elemento(const Elemento& e, std::string* out) {
  const size_t inizio = out->size();
  PutU8(out, e.tipo);
  PutI32(out, e.dato1);
  PutI32(out, e.dato2);
  PutI32(out, e.dato3);
  PutU8(out, e.segno);
  // A text longer than 65535 bytes cannot be described by its 16-bit length;
  // only the first 65535 bytes are written so the record stays readable.
  const size_t n = e.testo.size() > 0xFFFF ? 0xFFFF : e.testo.size();
  PutU16(out, static_cast<uint16_t>(n));
  out->append(e.testo, 0, n);
  PutI16(out, e.intero1);
  PutI16(out, e.intero2);
  PutI16(out, e.intero3);
  PutI16(out, e.intero4);
  PutI16(out, e.intero5);
  PutU8(out, e.byte1);
  PutU8(out, e.byte2);
  PutU8(out, e.byte3);
  PutU8(out, e.byte4);
  PutI32(out, e.dato4);
  assert(out->size() - inizio == kRecordElementoFisso + n);
  (void)inizio;
}

void codifica_cella(const Cella& c, std::string* out) {
  PutU8(out, c.tipo);
  PutI16(out, c.valore_a);
  PutI16(out, c.valore_b);
  PutI16(out, c.valore_c);
  PutI16(out, c.valore_d);
  PutU8(out, c.tempo);
  PutU8(out, c.avviso);
  PutU8(out, c.montagna);
  PutU8(out, c.velocita);
  PutU8(out, c.pendenza);
  PutU8(out, c.aderenza);
}

// Points [inizio, fine) of a column, from `cursore` on; returns the end.
char* codifica_colonna(const Colonna& colonna, size_t inizio, size_t fine, char* cursore) {
  for (size_t i = inizio; i < fine; ++i) {
    const TagPunto tag = colonna.tag(i);
    cursore = EncodeU16(cursore, static_cast<uint16_t>(tag));
    if (tag == TagPunto::kIntero) cursore = EncodeI16(cursore, static_cast<int16_t>(colonna.valore(i)));
    if (tag == TagPunto::kReale) cursore = EncodeF64(cursore, colonna.valore(i));
  }
  return cursore;
}

size_t dimensione_colonna(const Colonna& colonna) {
  size_t n = 0;
  for (size_t i = 0; i < colonna.size(); ++i) {
    const TagPunto tag = colonna.tag(i);
    n += tag == TagPunto::kReale ? 10 : tag == TagPunto::kIntero ? 4 : 2;
  }
  return n;
}

}  // namespace

std::string codifica_elementi(const Elementi& elementi) {
  size_t dimensione = 0;
  for (const Elemento& e : elementi) dimensione += kRecordElementoFisso + e.testo.size();
  std::string out;
  out.reserve(dimensione);
  for (const Elemento& e : elementi) codifica_elemento(e, &out);
  return out;
}

std::string codifica_celle(const std::vector<Cella>& celle) {
  std::string out;
  out.reserve(celle.size() * kRecordCella);
  for (const Cella& c : celle) codifica_cella(c, &out);
  assert(out.size() == celle.size() * kRecordCella);
  return out;
}

std::string codifica_tracciato(const Tracciato& tracciato) {
  // Sized once from the tags; the two columns then fill it exactly.
  std::string out(dimensione_colonna(tracciato.x) + dimensione_colonna(tracciato.y), '\0');
  char* fine = codifica_colonna(tracciato.y, 0, tracciato.y.size(),
                                codifica_colonna(tracciato.x, 0, tracciato.x.size(), out.data()));
  assert(fine == out.data() + out.size());
  (void)fine;
  return out;
}

FileCodificati codifica_file_compilati(const Compilatore& stato) {
  FileCodificati file;
  if (stato.genera_tracciato != 0 && stato.tracciato.presente()) file.tracciato = codifica_tracciato(stato.tracciato);
  file.tabella = codifica_elementi(stato.elementi);
  file.celle = codifica_celle(stato.celle);
  return file;
}

void codifica_tracciato_a_pezzi(const Tracciato& tracciato, const std::function<bool(std::string_view)>& consegna) {
  constexpr size_t kPezzo = 1 << 16;
  constexpr size_t kPuntoMassimo = 10;
  std::vector<char> buffer(kPezzo);
  for (const Colonna* colonna : {&tracciato.x, &tracciato.y}) {
    for (size_t inizio = 0; inizio < colonna->size();) {
      // Whole points only, as many as surely fit the buffer.
      const size_t fine = std::min(colonna->size(), inizio + kPezzo / kPuntoMassimo);
      const char* scritto = codifica_colonna(*colonna, inizio, fine, buffer.data());
      if (!consegna(std::string_view(buffer.data(), static_cast<size_t>(scritto - buffer.data())))) return;
      inizio = fine;
    }
  }
}

size_t dimensione_tracciato(const Tracciato& tracciato) {
  return dimensione_colonna(tracciato.x) + dimensione_colonna(tracciato.y);
}

}  // namespace scenario
