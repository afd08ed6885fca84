// The named fields of a table row and of a cell, in file order: one table per
// record, read by every tool that shows or compares records field by field.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <type_traits>
#include <variant>

#include "model/modello.h"

namespace scenario {

// One field of record type R: its name in the route model and its member.
template <typename R>
struct CampoRecord {
  const char* nome;
  std::variant<uint8_t R::*, int16_t R::*, int32_t R::*, std::string R::*> membro;
};

inline const std::array<CampoRecord<Elemento>, 16> kCampiElemento = {{
    {"tipo", &Elemento::tipo},       {"dato1", &Elemento::dato1},     {"dato2", &Elemento::dato2},
    {"dato3", &Elemento::dato3},     {"segno", &Elemento::segno},     {"testo", &Elemento::testo},
    {"intero1", &Elemento::intero1}, {"intero2", &Elemento::intero2}, {"intero3", &Elemento::intero3},
    {"intero4", &Elemento::intero4}, {"intero5", &Elemento::intero5}, {"byte1", &Elemento::byte1},
    {"byte2", &Elemento::byte2},     {"byte3", &Elemento::byte3},     {"byte4", &Elemento::byte4},
    {"dato4", &Elemento::dato4},
}};

inline const std::array<CampoRecord<Cella>, 11> kCampiCella = {{
    {"tipo", &Cella::tipo},
    {"valore_a", &Cella::valore_a},
    {"valore_b", &Cella::valore_b},
    {"valore_c", &Cella::valore_c},
    {"valore_d", &Cella::valore_d},
    {"tempo", &Cella::tempo},
    {"avviso", &Cella::avviso},
    {"montagna", &Cella::montagna},
    {"velocita", &Cella::velocita},
    {"pendenza", &Cella::pendenza},
    {"aderenza", &Cella::aderenza},
}};

// Calls `f` with the field's value in `r`: a number as int64_t, a text as the
// record's own std::string; returns what `f` returns.
template <typename R, typename F>
decltype(auto) con_valore(const R& r, const CampoRecord<R>& campo, F&& f) {
  return std::visit(
      [&](auto membro) -> decltype(auto) {
        const auto& v = r.*membro;
        if constexpr (std::is_same_v<std::decay_t<decltype(v)>, std::string>) {
          return f(v);
        } else {
          return f(static_cast<int64_t>(v));
        }
      },
      campo.membro);
}

}  // namespace scenario
