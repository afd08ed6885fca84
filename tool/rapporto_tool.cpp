#include "tool/rapporto_tool.h"

#include <sstream>

#include "layout/errore.h"
#include "model/codici_errore.h"
#include "tool/testo.h"
#include "tool/traduzione.h"

namespace scenario::tool {
namespace {

std::string luogo(const std::string& file, int riga) {
  if (file.empty()) return "";
  return riga > 0 ? file + ":" + std::to_string(riga) + ": " : file + ": ";
}

// "Errore n. CODE" is the program's own wording and stays as it is in every
// language; the place and the meaning are translated.
std::string testo_guasto(const Guasto& g) {
  std::string testo;
  if (g.file.empty() && g.posizione) {
    testo = componi(traduci("cell %1: "), {std::to_string(*g.posizione / 50)});
  } else {
    testo = luogo(g.file, g.riga);
  }
  const std::string codice = "Errore n. " + std::to_string(g.codice);
  const std::string significato = traduci(descrizione_errore(g.codice));
  if (g.posizione) {
    return testo + componi(traduci("%1 at %2 m: %3"), {codice, std::to_string(*g.posizione), significato});
  }
  return testo + codice + ": " + significato;
}

// A warning in the user's language; its values (positions, a station's name
// from the description) are shown as they are, the 8-bit texts as UTF-8.
std::string testo_avvertimento(const Avvertimento& a) {
  if (a.modello.empty()) return utf8(a.testo);
  std::vector<std::string> valori;
  for (const std::string& valore : a.valori) valori.push_back(utf8(valore));
  return componi(traduci(a.modello), valori);
}

std::string json_opzionale(bool presente, long valore) { return presente ? std::to_string(valore) : "null"; }

}  // namespace

void stampa_guasti(const RisultatoCompilazione& r, std::ostream& err) {
  for (const Avvertimento& a : r.stato.avvertimenti) {
    err << componi(traduci("%1warning: %2"), {luogo(a.file, a.riga), testo_avvertimento(a)})
        << "\n";
  }
  for (const Guasto& g : r.stato.guasti) err << testo_guasto(g) << "\n";
  if (r.esito.fatale != 0) {
    err << componi(traduci("%1: %2 (no compiled file written)"),
                   {testo_errore(std::to_string(r.esito.fatale)), traduci(descrizione_errore(r.esito.fatale))})
        << "\n";
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
