#include "tests/treno_prova.h"

#include "model/dimensioni.h"
#include "model/nomi_file.h"
#include "model/scenario.h"
#include "readers/treno_lettore.h"

namespace scenario::test {

Compilatore dopo_la_linea(int32_t lunghezza) {
  Compilatore stato;
  stato.nome_linea = std::string(kNomeLinea);
  stato.numero_treno = std::string(kNumeroTreno);
  stato.file_linea = nome_linea(stato);
  stato.elementi[kRigaValoriCorsa].dato2 = lunghezza;
  const Dimensioni dimensioni = dimensioni_linea(lunghezza);
  stato.lunghezza_tracciato = dimensioni.lunghezza_tracciato;
  stato.ultima_cella = dimensioni.ultima_cella;
  stato.celle.assign(static_cast<size_t>(stato.ultima_cella) + 1, Cella{});
  stato.prossimo_cartello = kPrimoCartello;
  return stato;
}

std::string descrizione_treno(std::initializer_list<std::string> righe) {
  std::string testo = "[generale]\r\n";
  for (const std::string& riga : righe) testo += riga + "\r\n";
  return testo + "[fine]\r\n";
}

std::string nome_treno(const Compilatore& stato) {
  return NomiFile("", stato.nome_linea, stato.numero_treno).nome_descrizione_treno();
}

std::string nome_linea(const Compilatore& stato) {
  return NomiFile("", stato.nome_linea, stato.numero_treno).nome_descrizione_linea();
}

bool leggi_treno(Compilatore& stato, const std::string& testo) {
  return leggi_testo_treno(stato, nome_treno(stato), testo);
}

}  // namespace scenario::test
