#include "driver/rapporto.h"

#include "model/codici_errore.h"
#include "model/stato.h"
#include "platform/messaggi.h"

namespace scenario {

std::string testo_guasto(const Guasto& guasto) {
  std::string testo = " Errore n. " + std::to_string(guasto.codice);
  if (guasto.posizione) testo += " at " + std::to_string(*guasto.posizione) + " m";
  testo += ": ";
  testo += descrizione_errore(guasto.codice);
  if (!guasto.file.empty()) {
    testo += " (" + guasto.file;
    if (guasto.riga > 0) testo += ", line " + std::to_string(guasto.riga);
    testo += ")";
  }
  if (!guasto.motivo.empty()) testo += ": " + guasto.motivo;
  return testo;
}

void stampa_rapporto(const Compilatore& stato) {
  for (const Avvertimento& a : stato.avvertimenti) {
    if (a.anche_nel_programma) mostra_errore(" Warning: " + a.testo);
  }
  if (stato.codice_errore == 0) return;
  for (const Guasto& g : stato.guasti) mostra_errore(testo_guasto(g));
}

}  // namespace scenario
