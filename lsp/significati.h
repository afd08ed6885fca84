// What the editor shows over a word of a description: over a key, its entry
// of the guide; over a value, what it means there (a position: its cell and
// kilometre post; a speed: the value stored; a time: the clock).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lsp/righe.h"
#include "lsp/voci.h"

namespace scenario::lsp {

// A kilometre-post system as the line description states it.
struct Progressiva {
  int64_t inizio = 0;  // m along the line
  int64_t valore = 0;  // the posts' value there, m
  bool a_scendere = false;
};

// The systems of a line description's general section, in file order.
std::vector<Progressiva> progressive(const Righe& linea);

// "km 14+250": the post at `posizione` by the system beginning furthest
// along the line at or before it; none when no system covers it.
std::optional<std::string> chilometrica(const std::vector<Progressiva>& sistemi, int64_t posizione);

// A field's whole number, blanks after it allowed; none for anything else.
std::optional<int64_t> numero_campo(std::string_view campo);

// The cell holding metre `posizione`: position / 50, a half going to the even
// neighbour, as the readers round.
int64_t cella_di(int64_t posizione);

// Markdown for byte `byte` of line `riga`; empty when nothing is to be said.
std::string spiega(const Righe& righe, size_t riga, size_t byte, Descrizione descrizione,
                   const std::vector<Progressiva>& sistemi);

}  // namespace scenario::lsp
