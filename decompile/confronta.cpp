#include "decompile/confronta.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <functional>

#include "model/decodifica_file.h"
#include "model/modello.h"

namespace scenario::decompila {
namespace {

std::string n(int64_t v) { return std::to_string(v); }

// One named field of a record, as text.
template <typename R>
struct Campo {
  const char* nome;
  std::function<std::string(const R&)> valore;
};

template <typename R>
void confronta_record(const std::string& file, const std::string& record, const R& a, const R& b,
                      const std::vector<Campo<R>>& campi, std::vector<Differenza>* out) {
  for (const Campo<R>& c : campi) {
    std::string va = c.valore(a), vb = c.valore(b);
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

std::string testo(const std::string& t) { return "\"" + t + "\""; }

const std::vector<Campo<Elemento>>& campi_elemento() {
  static const std::vector<Campo<Elemento>> campi = {
      {"tipo", [](const Elemento& e) { return n(e.tipo); }},
      {"dato1", [](const Elemento& e) { return n(e.dato1); }},
      {"dato2", [](const Elemento& e) { return n(e.dato2); }},
      {"dato3", [](const Elemento& e) { return n(e.dato3); }},
      {"segno", [](const Elemento& e) { return n(e.segno); }},
      {"testo", [](const Elemento& e) { return testo(e.testo); }},
      {"intero1", [](const Elemento& e) { return n(e.intero1); }},
      {"intero2", [](const Elemento& e) { return n(e.intero2); }},
      {"intero3", [](const Elemento& e) { return n(e.intero3); }},
      {"intero4", [](const Elemento& e) { return n(e.intero4); }},
      {"intero5", [](const Elemento& e) { return n(e.intero5); }},
      {"byte1", [](const Elemento& e) { return n(e.byte1); }},
      {"byte2", [](const Elemento& e) { return n(e.byte2); }},
      {"byte3", [](const Elemento& e) { return n(e.byte3); }},
      {"byte4", [](const Elemento& e) { return n(e.byte4); }},
      {"dato4", [](const Elemento& e) { return n(e.dato4); }},
  };
  return campi;
}

const std::vector<Campo<Cella>>& campi_cella() {
  static const std::vector<Campo<Cella>> campi = {
      {"tipo", [](const Cella& c) { return n(c.tipo); }},
      {"valore_a", [](const Cella& c) { return n(c.valore_a); }},
      {"valore_b", [](const Cella& c) { return n(c.valore_b); }},
      {"valore_c", [](const Cella& c) { return n(c.valore_c); }},
      {"valore_d", [](const Cella& c) { return n(c.valore_d); }},
      {"tempo", [](const Cella& c) { return n(c.tempo); }},
      {"avviso", [](const Cella& c) { return n(c.avviso); }},
      {"montagna", [](const Cella& c) { return n(c.montagna); }},
      {"velocita", [](const Cella& c) { return n(c.velocita); }},
      {"pendenza", [](const Cella& c) { return n(c.pendenza); }},
      {"aderenza", [](const Cella& c) { return n(c.aderenza); }},
  };
  return campi;
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
    confronta_record(file, "row " + n(static_cast<int64_t>(r)), a[r], b[r], campi_elemento(), out);
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
    confronta_record(file, "cell " + n(static_cast<int64_t>(i)), a[i], b[i], campi_cella(), out);
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

}  // namespace scenario::decompila
