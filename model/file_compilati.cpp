#include "model/file_compilati.h"

#include <cassert>
#include <vector>

#include "model/codifica.h"
#include "model/codifica_tracciato.h"
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
  aggiungi_celle(celle, &out);
  assert(out.size() == celle.size() * kRecordCella);
  return out;
}

void aggiungi_celle(std::span<const Cella> celle, std::string* out) {
  for (const Cella& c : celle) codifica_cella(c, out);
}

FileCodificati codifica_file_compilati(const Compilatore& stato) {
  FileCodificati file;
  if (stato.genera_tracciato != 0 && stato.tracciato.presente()) file.tracciato = codifica_tracciato(stato.tracciato);
  file.tabella = codifica_elementi(stato.elementi);
  file.celle = codifica_celle(stato.celle);
  return file;
}

}  // namespace scenario
