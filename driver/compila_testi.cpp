#include "driver/compila_testi.h"

#include "layout/completa_percorso.h"
#include "readers/linea_lettore.h"
#include "readers/treno_lettore.h"

namespace scenario {

namespace {

void compila(const TestiDaCompilare& testi, std::string_view linea, std::string_view treno, Compilazione& c) {
  Compilatore& stato = c.stato;
  stato.nome_linea = testi.nome_linea;
  stato.numero_treno = testi.numero_treno;
  stato.azzera(testi.tracciato ? 1 : 0);
  stato.traccia = testi.traccia;

  if (leggi_testo_linea(stato, testi.linea.nome, linea)) {
    leggi_testo_treno(stato, testi.treno.nome, treno);
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
  return compila_testi(testi, testi.linea.testo, testi.treno.testo);
}

Compilazione compila_testi(const TestiDaCompilare& testi, std::string_view linea, std::string_view treno) {
  Compilazione c;
  compila(testi, linea, treno, c);
  c.stato.traccia = nullptr;  // the record stays the caller's; the model keeps no pointer to it
  return c;
}

}  // namespace scenario
