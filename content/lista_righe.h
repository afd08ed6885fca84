// The line list every document writer fills: room for 1001 lines, closed by a
// marker line that is never written.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "platform/status.h"

namespace scenario {

class ListaRighe {
 public:
  static constexpr size_t kVoci = 1001;  // entries 0 to 1000
  static constexpr std::string_view kMarcatore = "riferimento fine del file";

  // Fills the entries from the first one with `righe` (at most 1000 lines)
  // and puts the marker after them.
  explicit ListaRighe(std::span<const std::string_view> righe);

  // The file's bytes: every entry before the first marker, each followed by
  // carriage return and line feed.
  std::string testo() const;

 private:
  std::array<std::string, kVoci> voci_;
};

// Replaces the file at `percorso` with the list's text.
Status scrivi_lista(const std::string& percorso, const ListaRighe& lista);

}  // namespace scenario
