#include "tool/testi_presenti.h"

#include "platform/cartelle.h"
#include "platform/traduzione.h"
#include "testi/citazione.h"

namespace scenario::tool {

bool testi_gia_presenti(const std::vector<std::string>& percorsi, std::ostream& err) {
  bool presenti = false;
  for (const std::string& percorso : percorsi) {
    if (qualcosa_a(percorso)) {
      err << "scenario-tool: " << componi(traduci("%1 already exists; --force replaces it"), {percorso_visibile(percorso)}) << "\n";
      presenti = true;
    }
  }
  if (presenti) err << "scenario-tool: " << traduci("nothing written") << "\n";
  return presenti;
}

}  // namespace scenario::tool
