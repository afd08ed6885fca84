// The lines of a text asked for in order of their numbers, each found by going
// on from the one asked before: diagnostics come sorted by line, and an index
// of every line of a long text would weigh a good part of the text itself.
#pragma once

#include <cstddef>
#include <string_view>

namespace scenario::tool {

class RigheInOrdine {
 public:
  // The text stays the caller's.
  explicit RigheInOrdine(std::string_view testo) : testo_(testo) {}

  // Line `numero` (from 1) without its ending; empty past the last line. A
  // line before the one asked last starts the search again from the top.
  std::string_view riga(int numero);

 private:
  size_t fine_di(size_t inizio) const;

  std::string_view testo_;
  int numero_ = 1;     // the line that starts at inizio_
  size_t inizio_ = 0;
};

}  // namespace scenario::tool
