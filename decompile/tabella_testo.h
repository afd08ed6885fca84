// Entry lines laid out as an author lays them out: the key, then each value
// after a comma and two blanks, right-aligned in a column as wide as the
// column's longest value, and a closing text after its own run of blanks.
// Lines end in CR LF.
#pragma once

#include <string>
#include <vector>

namespace scenario::decompila {

class TabellaTesto {
 public:
  // One entry of numbers.
  void voce(std::string chiave, std::vector<std::string> valori);
  // One entry closed by a text field after `blank` blanks. An empty text
  // still gets its comma, so that the reader takes it as empty instead of
  // reading the next line's first field.
  void voce(std::string chiave, std::vector<std::string> valori, std::string testo, int blank);
  // A line written as it stands (a heading or a comment).
  void riga(std::string testo);
  // Every line, values aligned across all the entries.
  std::string testo() const;

 private:
  struct Riga {
    bool voce = false;
    std::string chiave;
    std::vector<std::string> valori;
    bool ha_testo = false;
    std::string testo;
    int blank = 0;
  };
  std::vector<Riga> righe_;
};

// "key,  v1,  v2" with no alignment, CR LF included.
std::string voce_sola(const std::string& chiave, const std::vector<std::string>& valori);

}  // namespace scenario::decompila
