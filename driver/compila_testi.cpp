#include "driver/compila_testi.h"

#include "layout/completa_percorso.h"
#include "readers/linea_lettore.h"
#include "readers/treno_lettore.h"

namespace scenario {

namespace {

void compila(const TestiDaCompilare& testi, Compilazione& c) {
  Compilatore& stato = c.stato;
  stato.nome_linea = testi.nome_linea;
  stato.numero_treno = testi.numero_treno;
  stato.azzera(testi.tracciato ? 1 : 0);
  stato.traccia = testi.traccia;

  if (leggi_testo_linea(stato, testi.linea.nome, testi.linea.testo)) {
    leggi_testo_treno(stato, testi.treno.nome, testi.treno.testo);
  }
  if (!stato.ha_cella_uno()) {
    c.esito.senza_celle = true;
    return;
  }
  c.esito.fatale = completa_percorso(stato);
  if (c.esito.fatale != 0) return;
  c.esito.file_scritti = true;
}

}  // namespace

Compilazione compila_testi(const TestiDaCompilare& testi) {
  Compilazione c;
  compila(testi, c);
  c.stato.traccia = nullptr;  // the record stays the caller's; the model keeps no pointer to it
  return c;
}

}  // namespace scenario
