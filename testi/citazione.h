// How a diagnostic shows the author's text: the line it points into, quoted,
// with a caret under the field. Descriptions are 8-bit Windows-1252 text; the
// terminal gets UTF-8, and a control byte of the input is never sent raw: it
// is shown escaped ("\x1b"), so that a stray escape sequence cannot act on
// the terminal and the caret stays under the field it points at.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace scenario::tool {

// The terminal's two escapers, one per kind of input, with one rule: what a
// terminal would act on (C0 controls, DEL, C1 controls) or cannot show is
// written as \xNN of its bytes, everything else as UTF-8. Every text of a file
// or a folder that the tool prints goes through one of them.

// An 8-bit text of the model (Windows-1252) as UTF-8 for the terminal: control
// bytes, and the bytes Windows-1252 leaves undefined, written as \xNN.
std::string testo_visibile(std::string_view testo);

// A path (or any text meant as UTF-8) as the terminal shows it: its characters
// as they are; control characters and bytes that are not UTF-8 written as \xNN.
std::string percorso_visibile(std::string_view percorso);

// The lines of a text, ended as the description readers end them: CR LF, LF
// or a lone CR. Line 1 is the first.
class IndiceRighe {
 public:
  explicit IndiceRighe(std::string_view testo);
  // The line without its ending; empty past the last line.
  std::string_view riga(int numero) const;
  size_t righe() const { return inizi_.size(); }
  // The line (from 1) and the column (byte of the line, from 1) of a byte of the text.
  std::pair<int, size_t> posizione(size_t offset) const;

 private:
  std::string_view testo_;
  std::vector<size_t> inizi_;
};

// The quoted line and the caret line under it, each indented by one blank and
// ended by a new line. `colonna` counts bytes of the line from 1; `larghezza`
// is how many bytes the field takes (a caret, then a tilde for each further
// byte). A line longer than the window is cut around the field, the cuts
// marked with an ellipsis. A column of 0 quotes the line without a caret.
std::string cita_riga(std::string_view riga, size_t colonna, size_t larghezza);

}  // namespace scenario::tool
