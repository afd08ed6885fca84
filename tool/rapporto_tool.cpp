#include "tool/rapporto_tool.h"

#include <sstream>

#include "layout/errore.h"
#include "model/codici_errore.h"
#include "tool/testo.h"

namespace scenario::tool {
namespace {

std::string luogo(const std::string& file, int riga) {
  if (file.empty()) return "";
  return riga > 0 ? file + ":" + std::to_string(riga) + ": " : file + ": ";
}

std::string testo_guasto(const Guasto& g) {
  std::string testo;
  if (g.file.empty() && g.posizione) {
    testo = "cell " + std::to_string(*g.posizione / 50) + ": ";
  } else {
    testo = luogo(g.file, g.riga);
  }
  testo += "Errore n. " + std::to_string(g.codice);
  if (g.posizione) testo += " at " + std::to_string(*g.posizione) + " m";
  testo += ": ";
  testo += descrizione_errore(g.codice);
  return testo;
}

std::string json_opzionale(bool presente, long valore) { return presente ? std::to_string(valore) : "null"; }

}  // namespace

void stampa_guasti(const RisultatoCompilazione& r, std::ostream& err) {
  for (const Avvertimento& a : r.stato.avvertimenti) {
    err << luogo(a.file, a.riga) << "warning: " << utf8(a.testo) << "\n";
  }
  for (const Guasto& g : r.stato.guasti) err << utf8(testo_guasto(g)) << "\n";
  if (r.esito.fatale != 0) {
    err << testo_errore(std::to_string(r.esito.fatale)) << ": " << descrizione_errore(r.esito.fatale)
        << " (no compiled file written)\n";
  }
  if (!r.esito.file_system.ok()) err << r.esito.file_system.messaggio() << "\n";
  if (!r.errore.empty()) err << r.errore << "\n";
}

std::string json_compilazione(const RisultatoCompilazione& r) {
  std::ostringstream j;
  j << "{\"codice_errore\": " << r.stato.codice_errore << ", \"posizione_errore\": " << r.stato.posizione_errore
    << ", \"fatal\": " << json_opzionale(r.esito.fatale != 0, r.esito.fatale) << ", \"faults\": [";
  for (size_t i = 0; i < r.stato.guasti.size(); ++i) {
    const Guasto& g = r.stato.guasti[i];
    j << (i ? ", " : "") << "{\"code\": " << g.codice
      << ", \"position\": " << json_opzionale(g.posizione.has_value(), g.posizione.value_or(0))
      << ", \"file\": " << json_stringa(g.file)
      << ", \"line\": " << json_opzionale(g.riga > 0, g.riga) << "}";
  }
  j << "], \"warnings\": [";
  for (size_t i = 0; i < r.stato.avvertimenti.size(); ++i) {
    const Avvertimento& a = r.stato.avvertimenti[i];
    j << (i ? ", " : "") << "{\"message\": " << json_stringa(a.testo)
      << ", \"file\": " << json_stringa(a.file)
      << ", \"line\": " << json_opzionale(a.riga > 0, a.riga) << "}";
  }
  j << "], \"files\": [";
  for (size_t i = 0; i < r.file.size(); ++i) j << (i ? ", " : "") << json_stringa(r.file[i]);
  j << "]}";
  return j.str();
}

}  // namespace scenario::tool
