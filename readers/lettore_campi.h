// The field reader both description readers share. A description is 8-bit
// text read as a stream of fields: a field ends at a comma or a line end (CR LF,
// LF or a lone CR); blanks before a field are skipped; a number field also ends
// at a blank. The reader counts lines so that a fault can name where it was met.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace scenario {

enum class Lettura {
  kOk,
  kFineFile,    // nothing left to read: a read past the end of the file
  kNonValido,   // a number field holding anything but [-]digits, or outside 32 bits
};

class LettoreCampi {
 public:
  // The text stays the caller's and must outlive the reader.
  explicit LettoreCampi(std::string_view testo) : testo_(testo) {}
  // A reader of `testo` standing where `altro` stands in its own text, the
  // two texts being alike up to there: a reading taken up again.
  LettoreCampi(std::string_view testo, const LettoreCampi& altro) : LettoreCampi(altro) { testo_ = testo; }

  // A text field: runs to the next comma or line end; leading and trailing
  // blanks are dropped, inner blanks kept. Quotes are ordinary characters.
  Lettura leggi_testo(std::string* campo);

  // A number field: an optional minus sign and decimal digits. An empty field
  // reads as 0. A field ended by a blank also consumes the blanks after it and
  // the comma or line end that follows them, so "17   59" is two fields.
  // A read that fails leaves *valore as it was: entries read straight into
  // the model's rows, and a failed entry must not clear what an earlier one
  // stored there.
  Lettura leggi_numero(int32_t* valore);

  // True once the last read took the last field of the file.
  bool finito() const { return pos_ >= testo_.size(); }

  // The line (from 1) on which the last field read began, and its column
  // (from 1, in bytes, after the blanks before it).
  int riga() const { return riga_campo_; }
  int colonna() const { return colonna_campo_; }
  std::string_view testo() const { return testo_; }
  // The offset of the next byte to read.
  size_t posizione() const { return pos_; }
  // The last field read, as written (blanks around it dropped).
  std::string_view campo() const { return std::string_view(testo_).substr(inizio_campo_, fine_campo_ - inizio_campo_); }


 private:
  bool blank(char c) const { return c == ' ' || c == '\t'; }
  bool fine_riga(char c) const { return c == '\r' || c == '\n'; }
  void salta_blank();
  // Consumes a comma or a line end at the cursor, if there is one.
  void consuma_separatore();
  void inizia_campo();
  // A read past the end points at the end of the text's last line, just after
  // its last byte: where the missing field would have stood.
  void segna_fine();

  std::string_view testo_;
  size_t pos_ = 0;
  int riga_ = 1;
  int riga_campo_ = 1;
  size_t inizio_riga_ = 0;  // offset of the current line's first byte
  int colonna_campo_ = 1;
  size_t inizio_campo_ = 0;  // offsets of the last field read
  size_t fine_campo_ = 0;
};

// Key matching: whether `campo` contains `parola` anywhere, exactly or with
// letter case ignored (8-bit Western letters).
bool contiene(std::string_view campo, std::string_view parola);
bool contiene_senza_maiuscole(std::string_view campo, std::string_view parola);

}  // namespace scenario
