// A document's text as the editor addresses it: lines counted from 0 and
// columns in UTF-16 code units (what the protocol counts by default), and the
// fields of one line, as the readers split them at commas.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace scenario::lsp {

class Righe {
 public:
  explicit Righe(std::string_view testo);
  size_t quante() const { return inizi_.size(); }
  // Line `n` without its end (LF or CR LF); empty past the last line.
  std::string_view riga(size_t n) const;

 private:
  std::string_view testo_;
  std::vector<size_t> inizi_;
};

// The UTF-16 units of the first `byte` bytes of a UTF-8 line (a byte that
// starts no valid sequence counts as one unit).
size_t unita_utf16(std::string_view riga, size_t byte);
// The byte of a line where UTF-16 unit `unita` falls; the line's length past
// its end.
size_t byte_di_unita(std::string_view riga, size_t unita);
// The byte where the first `caratteri` characters of a UTF-8 line end.
size_t byte_di_carattere(std::string_view riga, size_t caratteri);

struct CampoRiga {
  size_t inizio = 0;  // bytes of the line, without the blanks before it
  size_t fine = 0;
  std::string_view testo;
};

// The fields of a line, split at commas, blanks before each left out.
std::vector<CampoRiga> campi_riga(std::string_view riga);

// Whether the line is a comment: its first field holds a minus sign.
bool riga_commento(std::string_view riga);
// Whether the line is a section heading: its first field holds "[" and "]".
bool riga_titolo(std::string_view riga);

}  // namespace scenario::lsp
