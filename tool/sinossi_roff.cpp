#include "tool/sinossi_roff.h"

#include "tool/uso.h"

namespace scenario::tool {
namespace {

// roff reads a plain '-' as a hyphen, which may be printed as another
// character; a command line needs the minus sign.
std::string roff(std::string_view testo) {
  std::string fuori;
  for (const char c : testo) {
    if (c == '-' || c == '\\') fuori += '\\';
    fuori += c;
  }
  return fuori;
}

}  // namespace

std::string sinossi_roff() {
  std::string testo;
  for (const Comando& c : comandi()) {
    testo += ".SY scenario\\-tool\n.B " + roff(c.nome) + "\n";
    if (!c.argomenti.empty()) testo += ".I " + roff(c.argomenti) + "\n";
    for (const Opzione& o : c.opzioni) {
      if (o.obbligatoria) {
        testo += ".B " + roff(o.nome) + "\n";
        if (!o.valore.empty()) testo += ".I " + roff(o.valore) + "\n";
      } else {
        testo += ".OP " + roff(o.nome) + (o.valore.empty() ? "" : " " + roff(o.valore)) + "\n";
      }
    }
    testo += ".YS\n";
  }
  testo += ".SY scenario\\-tool\n.RB [";
  const char* separatore = " ";
  for (const Opzione& o : opzioni_comuni()) {
    testo += separatore + roff(o.nome);
    separatore = " | ";
  }
  return testo + " ]\n.YS\n";
}

}  // namespace scenario::tool
