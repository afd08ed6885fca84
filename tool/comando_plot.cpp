#include "tool/argomenti.h"
#include "tool/comandi.h"

namespace scenario::tool {

int comando_plot(const Args& args, std::ostream& out, std::ostream& err) {
  (void)args;
  (void)out;
  err << "scenario-tool: plot is not available yet\n";
  return kUscitaUso;
}

}  // namespace scenario::tool
