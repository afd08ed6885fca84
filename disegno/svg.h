// A tiny SVG writer: elements with escaped attributes and texts, and numbers
// written the way a checker can read them back (plain decimals, no exponent).
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "testi/testo.h"

namespace scenario::tool {

// A plain decimal with at most `decimali` decimals, trailing zeros dropped,
// never "-0" and never an exponent; a value that is not finite becomes "0".
std::string numero_svg(double valore, int decimali = 3);

// "x,y x,y ..." for a polyline or polygon.
std::string punti_svg(const std::vector<std::pair<double, double>>& punti);

using Attributi = std::vector<std::pair<std::string, std::string>>;

class Svg {
 public:
  // <tag a="v"> ... closed by chiudi().
  void apri(std::string_view tag, const Attributi& attributi = {});
  void chiudi();
  // <tag a="v"/>
  void vuoto(std::string_view tag, const Attributi& attributi);
  // <tag a="v">text</tag>, the text UTF-8 and escaped here.
  void testo(std::string_view tag, const Attributi& attributi, std::string_view contenuto);
  // Room for about `byte` bytes of document taken at once: a long line's
  // picture is written without copies made as it grows.
  void riserva(size_t byte) { out_.reserve(byte); }
  // Raw markup the caller has already made safe (the style sheet).
  void grezzo(std::string_view markup);

  // The document so far, with every element still open closed.
  std::string documento() const&;
  // The same, taking the writer's text rather than copying it.
  std::string documento() &&;

 private:
  void inizio(std::string_view tag, const Attributi& attributi);

  std::string out_;
  std::vector<std::string> aperti_;
};

}  // namespace scenario::tool
