#include "lsp/sezioni.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace scenario::lsp {
namespace {

// The two whose names read the wrong way round say what the scenario's own
// description puts under them.
constexpr std::array<Titolo, 7> kTitoliLinea{{{"[generale]"},
                                              {"[curve]"},
                                              {"[pendenze]"},
                                              {"[montagne]"},
                                              {"[cartelli]", "speed indicator boards (indicatori_vmax)"},
                                              {"[indicazioni]", "signposts (cartello_indicatore)"},
                                              {"[fine]"}}};
constexpr std::array<Titolo, 8> kTitoliTreno{{{"[generale]"},
                                              {"[aderenze]"},
                                              {"[vel_limite]"},
                                              {"[stazioni]"},
                                              {"[rallentamenti]"},
                                              {"[segnali]"},
                                              {"[codici]"},
                                              {"[fine]"}}};

bool ha_generale(std::string_view riga) {
  std::string piccola(riga);
  std::transform(piccola.begin(), piccola.end(), piccola.begin(),
                 [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
  return piccola.find("[generale]") != std::string::npos;
}

}  // namespace

std::optional<size_t> riga_generale(const Righe& righe) {
  for (size_t n = 0; n < righe.quante(); ++n) {
    if (ha_generale(righe.riga(n))) return n;
  }
  return std::nullopt;
}

std::optional<Parte> parte_alla_riga(const Righe& righe, size_t riga, Descrizione descrizione) {
  const std::optional<size_t> generale = riga_generale(righe);
  if (!generale || riga <= *generale) return std::nullopt;
  if (descrizione == Descrizione::kTreno) return Parte::kTreno;
  for (size_t n = *generale + 1; n < riga && n < righe.quante(); ++n) {
    if (riga_titolo(righe.riga(n))) return Parte::kOggetti;
  }
  return Parte::kGenerale;
}

std::span<const Titolo> titoli(Descrizione descrizione) {
  if (descrizione == Descrizione::kLinea) return kTitoliLinea;
  return kTitoliTreno;
}

}  // namespace scenario::lsp
