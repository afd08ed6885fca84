#include "compilati/trova_scenario.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/traduzione.h"

namespace scenario::tool {
namespace {

constexpr std::string_view kEstensioneTabella = ".sim";

// NAME_NUM.sim split at its last underscore: a line name may hold
// underscores, a train number does not.
bool identita_da_nome(const std::string& file, IdentitaScenario* identita) {
  if (file.size() <= kEstensioneTabella.size() || !file.ends_with(kEstensioneTabella)) return false;
  const std::string base = file.substr(0, file.size() - kEstensioneTabella.size());
  const size_t trattino = base.rfind('_');
  if (trattino == std::string::npos || trattino == 0 || trattino + 1 == base.size()) return false;
  *identita = {.nome_linea = base.substr(0, trattino), .numero_treno = base.substr(trattino + 1)};
  return true;
}

std::string elenco(const std::vector<IdentitaScenario>& scenari) {
  std::string testo;
  for (const IdentitaScenario& s : scenari) {
    testo += "\n  --line-name " + s.nome_linea + " --train-number " + s.numero_treno;
  }
  return testo;
}

}  // namespace

bool scenari_in(const std::string& cartella, std::vector<IdentitaScenario>* scenari, std::string* errore) {
  scenari->clear();
  std::error_code ec;
  std::filesystem::directory_iterator it(cartella, ec);
  for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    IdentitaScenario identita;
    std::error_code ec_tipo;
    if (!it->is_regular_file(ec_tipo)) continue;
    if (identita_da_nome(it->path().filename().string(), &identita)) scenari->push_back(identita);
  }
  if (ec) {
    *errore = componi(traduci("cannot list %1: %2"), {cartella, ec.message()});
    return false;
  }
  std::sort(scenari->begin(), scenari->end(), [](const IdentitaScenario& a, const IdentitaScenario& b) {
    return a.nome_linea != b.nome_linea ? a.nome_linea < b.nome_linea : a.numero_treno < b.numero_treno;
  });
  return true;
}

bool scegli_scenario(const std::string& cartella, const std::string& nome_linea, const std::string& numero_treno,
                     IdentitaScenario* trovata, std::string* errore) {
  if (!nome_linea.empty() && !numero_treno.empty()) {
    *trovata = {.nome_linea = nome_linea, .numero_treno = numero_treno};
    return true;
  }
  std::vector<IdentitaScenario> tutti;
  if (!scenari_in(cartella, &tutti, errore)) return false;
  std::vector<IdentitaScenario> adatti;
  for (const IdentitaScenario& s : tutti) {
    if ((nome_linea.empty() || s.nome_linea == nome_linea) && (numero_treno.empty() || s.numero_treno == numero_treno)) {
      adatti.push_back(s);
    }
  }
  if (adatti.size() == 1) {
    *trovata = adatti.front();
    return true;
  }
  if (adatti.empty()) {
    *errore = tutti.empty()
                  ? componi(traduci("no compiled scenario (a NAME_NUM.sim table file) in %1"), {cartella})
                  : componi(traduci("no compiled scenario (a NAME_NUM.sim table file) in %1; it holds:%2"),
                            {cartella, elenco(tutti)});
  } else {
    *errore = componi(traduci("%1 holds %2 scenarios; choose one with:%3"),
                      {cartella, std::to_string(adatti.size()), elenco(adatti)});
  }
  return false;
}

}  // namespace scenario::tool
