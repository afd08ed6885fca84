#include "disegno/svg.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace scenario::tool {

std::string numero_svg(double valore, int decimali) {
  if (!std::isfinite(valore)) return "0";
  char testo[400];
  std::snprintf(testo, sizeof testo, "%.*f", decimali, valore);
  std::string s = testo;
  if (s.find('.') != std::string::npos) {
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
  }
  return s == "-0" ? "0" : s;
}

std::string punti_svg(const std::vector<std::pair<double, double>>& punti) {
  std::string out;
  // Room taken once; what goes unused is never touched.
  out.reserve(24 * punti.size());
  for (const auto& [x, y] : punti) {
    if (!out.empty()) out.push_back(' ');
    out += numero_svg(x) + "," + numero_svg(y);
  }
  return out;
}

namespace {

// Printable ASCII with no character markup gives meaning to: what escaping
// would leave as it is.
bool senza_markup(std::string_view valore) {
  return std::all_of(valore.begin(), valore.end(), [](char c) {
    return c >= 0x20 && c < 0x7F && c != '&' && c != '<' && c != '>' && c != '"' && c != '\'';
  });
}

}  // namespace

void Svg::inizio(std::string_view tag, const Attributi& attributi) {
  out_ += std::string(aperti_.size() * 2, ' ') + "<" + std::string(tag);
  for (const auto& [nome, valore] : attributi) {
    out_ += ' ';
    out_ += nome;
    out_ += "=\"";
    // A long polyline's points go in without an escaped copy of them.
    if (senza_markup(valore)) {
      out_ += valore;
    } else {
      out_ += xml_escape(valore);
    }
    out_ += '"';
  }
}

void Svg::apri(std::string_view tag, const Attributi& attributi) {
  inizio(tag, attributi);
  out_ += ">\n";
  aperti_.emplace_back(tag);
}

void Svg::chiudi() {
  if (aperti_.empty()) return;
  const std::string tag = aperti_.back();
  aperti_.pop_back();
  out_ += std::string(aperti_.size() * 2, ' ') + "</" + tag + ">\n";
}

void Svg::vuoto(std::string_view tag, const Attributi& attributi) {
  inizio(tag, attributi);
  out_ += "/>\n";
}

void Svg::testo(std::string_view tag, const Attributi& attributi, std::string_view contenuto) {
  inizio(tag, attributi);
  out_ += ">" + xml_escape(contenuto) + "</" + std::string(tag) + ">\n";
}

void Svg::grezzo(std::string_view markup) { out_ += markup; }

std::string Svg::documento() const& { return Svg(*this).documento(); }

std::string Svg::documento() && {
  for (size_t i = aperti_.size(); i-- > 0;) out_ += std::string(i * 2, ' ') + "</" + aperti_[i] + ">\n";
  aperti_.clear();
  return std::move(out_);
}

}  // namespace scenario::tool
