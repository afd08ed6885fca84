#include "compilati/trova_scenario.h"

#include <algorithm>
#include "platform/cartelle.h"
#include "platform/traduzione.h"
#include "testi/citazione.h"

namespace scenario::tool {
namespace {

// The names come from the folder's entries: escaped, as every name shown.
std::string elenco(const std::vector<IdentitaScenario>& scenari) {
  std::string testo;
  for (const IdentitaScenario& s : scenari) {
    testo += "\n  --line-name " + percorso_visibile(s.nome_linea) + " --train-number " + percorso_visibile(s.numero_treno);
  }
  return testo;
}

}  // namespace

bool scenari_in(const std::string& cartella, std::vector<IdentitaScenario>* scenari, std::string* errore) {
  scenari->clear();
  std::vector<std::string> nomi;
  if (const Status s = file_in_cartella(cartella, &nomi); !s.ok()) {
    *errore = nella_lingua(s.testo());
    return false;
  }
  for (const std::string& nome : nomi) {
    if (const auto identita = identita_da_tabella(nome)) scenari->push_back(*identita);
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
