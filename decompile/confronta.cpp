#include "decompile/confronta.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <tuple>
#include <type_traits>

#include "model/campi_record.h"
#include "model/codifica_tracciato.h"
#include "model/flusso_tracciato.h"
#include "model/decodifica_file.h"
#include "model/modello.h"

namespace scenario::decompila {
namespace {

std::string n(int64_t v) { return std::to_string(v); }

std::string testo(const std::string& t) { return "\"" + t + "\""; }

// A field's value as text: a number, or a text in quotes.
template <typename R>
std::string come_testo(const R& r, const CampoRecord<R>& campo) {
  return con_valore(r, campo, [](const auto& v) {
    if constexpr (std::is_same_v<std::decay_t<decltype(v)>, std::string>) {
      return testo(v);
    } else {
      return n(v);
    }
  });
}

template <typename R, size_t N>
void confronta_record(const std::string& file, const std::string& record, const R& a, const R& b,
                      const std::array<CampoRecord<R>, N>& campi, std::vector<Differenza>* out) {
  if (a == b) return;
  for (const CampoRecord<R>& c : campi) {
    std::string va = come_testo(a, c), vb = come_testo(b, c);
    if (va != vb) out->push_back({file, record, c.nome, std::move(va), std::move(vb)});
  }
}

// A whole file that does not decode on one side, or two decodings that agree
// while the bytes do not.
bool interi(const std::string& file, std::string_view atteso, std::string_view ottenuto, bool ok_a,
            const Testo& errore_a, bool ok_b, const Testo& errore_b, std::vector<Differenza>* out) {
  if (ok_a && ok_b) return false;
  out->push_back({file, "whole file", "bytes",
                  ok_a ? n(static_cast<int64_t>(atteso.size())) + " bytes" : "not decodable: " + errore_a.inglese(),
                  ok_b ? n(static_cast<int64_t>(ottenuto.size())) + " bytes" : "not decodable: " + errore_b.inglese()});
  return true;
}

// A point as text: empty, a 16-bit integer, or a float with every digit its
// bits need (and the bits themselves, since two floats may print alike).
std::string punto(const Colonna& colonna, size_t i) {
  switch (colonna.tag(i)) {
    case TagPunto::kVuoto:
      return "empty";
    case TagPunto::kIntero:
      return "integer " + n(colonna[i].intero);
    case TagPunto::kReale: {
      const double v = colonna.valore(i);
      char buf[64];
      std::snprintf(buf, sizeof buf, "%.17g (bits %016llx)", v,
                    static_cast<unsigned long long>(std::bit_cast<uint64_t>(v)));
      return buf;
    }
  }
  return "?";
}

void conta(const std::string& file, const char* cosa, size_t a, size_t b, std::vector<Differenza>* out) {
  if (a != b) out->push_back({file, "whole file", cosa, n(static_cast<int64_t>(a)), n(static_cast<int64_t>(b))});
}

}  // namespace

void confronta_tabella(const std::string& file, std::string_view atteso, std::string_view ottenuto,
                       std::vector<Differenza>* out) {
  if (atteso == ottenuto) return;
  Elementi a{}, b{};
  Testo ea, eb;
  const bool ok_a = decodifica_elementi(atteso, &a, &ea);
  const bool ok_b = decodifica_elementi(ottenuto, &b, &eb);
  if (interi(file, atteso, ottenuto, ok_a, ea, ok_b, eb, out)) return;
  for (size_t r = 0; r < a.size(); ++r) {
    confronta_record(file, "row " + n(static_cast<int64_t>(r)), a[r], b[r], kCampiElemento, out);
  }
}

void confronta_celle(const std::string& file, std::string_view atteso, std::string_view ottenuto,
                     std::vector<Differenza>* out) {
  if (atteso == ottenuto) return;
  std::vector<Cella> a, b;
  Testo ea, eb;
  const bool ok_a = decodifica_celle(atteso, &a, &ea);
  const bool ok_b = decodifica_celle(ottenuto, &b, &eb);
  if (interi(file, atteso, ottenuto, ok_a, ea, ok_b, eb, out)) return;
  conta(file, "cells", a.size(), b.size(), out);
  for (size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
    confronta_record(file, "cell " + n(static_cast<int64_t>(i)), a[i], b[i], kCampiCella, out);
  }
}

void confronta_tracciato(const std::string& file, std::string_view atteso, std::string_view ottenuto,
                         std::vector<Differenza>* out) {
  if (atteso == ottenuto) return;
  PuntiTracciato a, b;
  Testo ea, eb;
  const bool ok_a = decodifica_tracciato(atteso, &a, &ea);
  const bool ok_b = decodifica_tracciato(ottenuto, &b, &eb);
  if (interi(file, atteso, ottenuto, ok_a, ea, ok_b, eb, out)) return;
  conta(file, "metres", a.x.size(), b.x.size(), out);
  for (size_t i = 0; i < std::min(a.x.size(), b.x.size()); ++i) {
    for (const auto& [nome, ca, cb] : {std::tuple{"x", &a.x, &b.x}, std::tuple{"y", &a.y, &b.y}}) {
      std::string pa = punto(*ca, i), pb = punto(*cb, i);
      if (pa != pb) out->push_back({file, "metre " + n(static_cast<int64_t>(i)), nome, std::move(pa), std::move(pb)});
    }
  }
}

void confronta_tracciato(const std::string& file, std::string_view atteso, const Tracciato* ottenuto,
                         std::vector<Differenza>* out) {
  confronta_tracciato(file, pezzi_di(atteso), atteso.size(), ottenuto, out);
}

void confronta_tracciato(const std::string& file, const LeggiPezzo& atteso, uint64_t byte, const Tracciato* ottenuto,
                         std::vector<Differenza>* out) {
  if (ottenuto != nullptr && 2 * dimensione_colonna(*ottenuto) == byte) {
    std::string letto;
    const bool uguali = codifica_tracciato(*ottenuto, [&atteso, &letto](uint64_t posizione, std::string_view pezzo) {
      letto.resize(pezzo.size());
      return atteso(posizione, letto.data(), letto.size()) == pezzo.size() && letto == pezzo;
    });
    if (uguali) return;
  }
  std::string intero(static_cast<size_t>(byte), '\0');
  intero.resize(atteso(0, intero.data(), intero.size()));
  confronta_tracciato(file, intero, ottenuto != nullptr ? codifica_tracciato(*ottenuto) : std::string(), out);
}

}  // namespace scenario::decompila
