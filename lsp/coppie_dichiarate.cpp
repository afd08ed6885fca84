#include "lsp/coppie_dichiarate.h"

#include <fstream>

#include "testi/json.h"

namespace scenario::lsp {
namespace {

// A workspace file is a few lines; a larger one is not read.
constexpr std::streamsize kMassimo = 1 << 20;

std::string testo_file(const std::string& percorso) {
  std::ifstream f(percorso, std::ios::binary | std::ios::ate);
  const std::streamsize dimensione = f ? static_cast<std::streamsize>(f.tellg()) : -1;
  if (dimensione <= 0 || dimensione > kMassimo) return "";
  std::string testo(static_cast<size_t>(dimensione), '\0');
  f.seekg(0);
  f.read(testo.data(), dimensione);
  testo.resize(static_cast<size_t>(f.gcount()));
  return testo;
}

}  // namespace

std::optional<CoppiaDichiarata> coppia_dichiarata(const std::string& percorso) {
  const size_t barra = percorso.find_last_of('/');
  const std::string cartella = barra == std::string::npos ? "" : percorso.substr(0, barra + 1);
  const std::string nome = percorso.substr(cartella.size());
  const std::string testo = testo_file(cartella + "scenario.json");
  if (testo.empty()) return std::nullopt;
  const tool::Json impostazioni = tool::Json::parse(testo, nullptr, false);
  if (!impostazioni.is_object() || !impostazioni.contains("pairs") || !impostazioni["pairs"].is_array()) {
    return std::nullopt;
  }
  for (const tool::Json& coppia : impostazioni["pairs"]) {
    if (!coppia.is_object()) continue;
    const tool::Json linea = coppia.value("line", tool::Json());
    const tool::Json treno = coppia.value("train", tool::Json());
    if (!linea.is_string() || !treno.is_string()) continue;
    if (linea.get<std::string>() == nome) return CoppiaDichiarata{Descrizione::kLinea, cartella + treno.get<std::string>()};
    if (treno.get<std::string>() == nome) return CoppiaDichiarata{Descrizione::kTreno, cartella + linea.get<std::string>()};
  }
  return std::nullopt;
}

}  // namespace scenario::lsp
