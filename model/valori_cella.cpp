#include "model/valori_cella.h"

#include <limits>

#include "model/arrotonda.h"

namespace scenario {
namespace {

constexpr int32_t kPassoVelocita = 5;  // km/h per step of a speed byte
constexpr int64_t kPiano = 100;        // the gradient byte of level track

std::optional<int16_t> a_16_bit(int64_t valore) {
  if (valore < std::numeric_limits<int16_t>::min() || valore > std::numeric_limits<int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<int16_t>(valore);
}

// Two settings of a signal side in one field: tens and units. Unsigned
// arithmetic wraps where a signed 32-bit product could overflow, and the low
// bits come out the same.
int16_t decine_e_unita(int32_t decine, int32_t unita) {
  return basso16(static_cast<uint32_t>(decine) * 10u + static_cast<uint32_t>(unita));
}

// A side's speed packs the left speed times 20 plus the right speed in steps
// of 5 km/h, worked out as a real number and rounded once.
std::optional<int16_t> codifica_velocita(const Lati& l) {
  const double valore = static_cast<double>(l.destra) / kPassoVelocita + 20.0 * static_cast<double>(l.sinistra);
  return a_16_bit(arrotonda(valore));
}

// The left speed as the multiple of 5 an author writes (the hundreds of the
// packed value), the rest as the right speed: both pack back to `valore`.
Lati decodifica_velocita(int16_t valore) {
  return {valore / 100 * kPassoVelocita, valore % 100 * kPassoVelocita};
}

std::optional<int16_t> codifica_strisce(const Lati& l) { return a_16_bit(10 * static_cast<int64_t>(l.sinistra) + l.destra); }

Lati decodifica_strisce(int16_t valore) { return {valore / 10, valore % 10}; }

}  // namespace

std::optional<uint8_t> byte_velocita(int32_t velocita) {
  const int64_t passi = arrotonda(static_cast<double>(velocita) / kPassoVelocita);
  if (passi < 0 || passi > 255) return std::nullopt;
  return static_cast<uint8_t>(passi);
}

int32_t velocita_del_byte(uint8_t byte) { return kPassoVelocita * byte; }

uint8_t byte_pendenza(int64_t per_mille) { return basso8(per_mille + kPiano); }

int32_t pendenza_del_byte(uint8_t byte) { return static_cast<int32_t>(byte) - static_cast<int32_t>(kPiano); }

void codifica_segnale(const ImpostazioniSegnale& s, Cella* cella) {
  cella->tipo = kSegnale;
  cella->valore_d = basso16(static_cast<uint32_t>(s.rapp) * 10u + static_cast<uint32_t>(s.sx) * 3u +
                            static_cast<uint32_t>(s.dx));
  cella->valore_a = decine_e_unita(s.s1, s.d1);
  cella->valore_b = decine_e_unita(s.s2, s.d2);
  cella->valore_c = decine_e_unita(s.s3, s.d3);
  cella->tempo = s.sx == 2 ? basso8(s.tempo) : 0;
}

uint8_t avviso_segnale(const ImpostazioniSegnale& s, int32_t j) {
  const uint32_t codice = static_cast<uint32_t>(s.sx) * 3u + static_cast<uint32_t>(s.dx);
  return basso8(codice * 10u + static_cast<uint32_t>(j));
}

ImpostazioniSegnale decodifica_segnale(const Cella& c) {
  ImpostazioniSegnale s;
  s.rapp = c.valore_d / 10;
  const int32_t lati = c.valore_d % 10;
  s.sx = lati >= 0 ? lati / 3 : 0;
  s.dx = lati - 3 * s.sx;
  if (c.tempo != 0 && s.sx != 2) {
    s.sx = 2;
    s.dx = lati - 6;
  }
  s.s1 = c.valore_a / 10;
  s.d1 = c.valore_a % 10;
  s.s2 = c.valore_b / 10;
  s.d2 = c.valore_b % 10;
  s.s3 = c.valore_c / 10;
  s.d3 = c.valore_c % 10;
  s.tempo = c.tempo == 0 || c.tempo > 100 ? c.tempo : c.tempo + 256;
  return s;
}

bool codifica_indicatori(const ValoriIndicatori& v, Cella* cella) {
  const std::optional<int16_t> a = codifica_velocita(v.a);
  const std::optional<int16_t> b = codifica_velocita(v.b);
  const std::optional<int16_t> c = codifica_velocita(v.c);
  const std::optional<int16_t> d = codifica_strisce(v.strisce);
  if (!a || !b || !c || !d) return false;
  cella->tipo = kIndicatoriVMax;
  cella->valore_a = *a;
  cella->valore_b = *b;
  cella->valore_c = *c;
  cella->valore_d = *d;
  return true;
}

ValoriIndicatori decodifica_indicatori(const Cella& c) {
  return {decodifica_velocita(c.valore_a), decodifica_velocita(c.valore_b), decodifica_velocita(c.valore_c),
          decodifica_strisce(c.valore_d)};
}

void codifica_rallentamento(uint8_t tipo, const ValoriRallentamento& v, Cella* cella) {
  cella->tipo = tipo;
  if (v.d_v != 0) cella->valore_b = basso16(v.d_v);
  cella->valore_a = basso16(v.v);
  if (tipo != kAvvisoRallentamento) cella->valore_c = basso16(v.f_tt);
}

ValoriRallentamento decodifica_rallentamento(const Cella& c) { return {c.valore_a, c.valore_c, c.valore_b}; }

std::vector<CelleRallentamento> accoppia_rallentamenti(const std::vector<Cella>& celle) {
  std::vector<CelleRallentamento> out;
  std::vector<bool> usate(celle.size(), false);
  for (size_t i = 0; i < celle.size(); ++i) {
    if (celle[i].tipo != kInizioRallentamento) continue;
    CelleRallentamento r{i, std::nullopt};
    const ValoriRallentamento valori = decodifica_rallentamento(celle[i]);
    for (size_t e = i + 1; e < celle.size(); ++e) {
      if (celle[e].tipo == kFineRallentamento && !usate[e] && decodifica_rallentamento(celle[e]) == valori) {
        usate[e] = true;
        r.fine = e;
        break;
      }
    }
    out.push_back(r);
  }
  return out;
}

}  // namespace scenario
