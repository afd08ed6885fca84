#include "driver/compila_testi.h"

#include "layout/completa_percorso.h"
#include "readers/linea_lettore.h"
#include "readers/treno_lettore.h"

namespace scenario {

namespace {

void compila(const TestiDaCompilare& testi, std::string_view linea, std::string_view treno, Compilazione& c) {
  Compilatore& stato = c.stato;
  const PuntoLettura* da = testi.da;
  if (da != nullptr) {
    stato = da->stato;
    if (testi.traccia != nullptr) testi.traccia->torna(da->traccia);
  } else {
    stato.nome_linea = testi.nome_linea;
    stato.numero_treno = testi.numero_treno;
    stato.azzera(testi.tracciato ? 1 : 0);
  }
  stato.traccia = testi.traccia;

  const bool nel_treno = da != nullptr && da->di_treno();
  if (nel_treno || leggi_testo_linea(stato, testi.linea.nome, linea, testi.riprese, da)) {
    leggi_testo_treno(stato, testi.treno.nome, treno, testi.riprese, nel_treno ? da : nullptr);
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
