#include "readers/lettura_linea.h"

#include "model/stato.h"

namespace scenario {

void LetturaLinea::segna_riga() { stato.riga_corrente = lettore_.riga(); }

bool LetturaLinea::leggi_campo(std::string* campo) {
  const Lettura esito = lettore_.leggi_testo(campo);
  segna_riga();
  return esito == Lettura::kOk && !lettore_.finito();
}

bool LetturaLinea::leggi_chiave(int commenti, std::string* campo) {
  if (!leggi_campo(campo)) return false;
  // A value field is read by its key's test, so a negative value such as -4
  // never reaches this rule.
  for (int i = 0; i < commenti && contiene(*campo, "-"); ++i) {
    if (!leggi_campo(campo)) return false;
  }
  return true;
}

bool LetturaLinea::leggi_valore(int32_t* valore) {
  const Lettura esito = lettore_.leggi_numero(valore);
  segna_riga();
  if (esito == Lettura::kOk) return true;
  guasto(25);
  return false;
}

bool LetturaLinea::leggi_testo(std::string* testo) {
  const Lettura esito = lettore_.leggi_testo(testo);
  segna_riga();
  if (esito == Lettura::kOk) return true;
  guasto(25);
  return false;
}

void LetturaLinea::guasto(int32_t codice) { stato.registra(codice); }

void LetturaLinea::guasto(int32_t codice, int32_t posizione) { stato.registra(codice, posizione); }

void LetturaLinea::avverti(std::string_view modello, std::vector<std::string> valori) {
  stato.avverti(modello, std::move(valori));
}


}  // namespace scenario
