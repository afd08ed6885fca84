// The Windows build has no live server: the tool says so and writes pages.
#include "platform/traduzione.h"
#include "platform/uscita.h"
#include "servizio/servizio_vivo.h"

namespace scenario::servizio {

bool servizio_disponibile() { return false; }

int servi(const ServizioVivo&, std::ostream&, std::ostream& err) {
  err << "scenario-tool: " << tool::traduci("--watch is not available in this build; write a page with -o instead") << "\n";
  return kUscitaUso;
}

}  // namespace scenario::servizio
