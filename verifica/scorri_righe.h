// A description's lines one at a time, each without its line end (CR LF, LF
// or a lone CR, as the readers end a line). A text ending in a line end has
// an empty last line after it.
#pragma once

#include <cstddef>
#include <string_view>

namespace scenario::tool {

class ScorriRighe {
 public:
  explicit ScorriRighe(std::string_view testo) : testo_(testo) {}

  // The next line into *riga; false past the last.
  bool prossima(std::string_view* riga) {
    if (inizio_ > testo_.size()) return false;
    size_t fine = testo_.find_first_of("\r\n", inizio_);
    if (fine == std::string_view::npos) fine = testo_.size();
    *riga = testo_.substr(inizio_, fine - inizio_);
    inizio_ = fine + (testo_.compare(fine, 2, "\r\n") == 0 ? 2 : 1);
    return true;
  }

 private:
  std::string_view testo_;
  size_t inizio_ = 0;
};

}  // namespace scenario::tool
