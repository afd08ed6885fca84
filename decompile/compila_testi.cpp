// A thin shape over the core's in-memory compile: the decompiler needs only
// the bytes and whether the compile wrote them.
#include "decompile/compila_testi.h"

#include "driver/compila_testi.h"

namespace scenario::decompila {

Compilati compila_testi(const std::string& linea, const std::string& treno, const std::string& nome_linea,
                        const std::string& numero_treno, bool con_tracciato, bool tracciato_intero) {
  TestiDaCompilare testi;
  testi.linea = {"line description", linea};
  testi.treno = {"train description", treno};
  testi.nome_linea = nome_linea;
  testi.numero_treno = numero_treno;
  testi.tracciato = con_tracciato;
  const Compilazione c = scenario::compila_testi(testi);
  Compilati out;
  out.codice_errore = c.stato.codice_errore;
  if (c.esito.file_scritti) {
    out.prodotti = true;
    if (tracciato_intero) {
      out.file = codifica_file_compilati(c.stato);
    } else {
      out.file.tabella = codifica_elementi(c.stato.elementi);
      out.file.celle = codifica_celle(c.stato.celle);
      if (c.stato.genera_tracciato != 0 && c.stato.tracciato.presente()) out.tracciato = c.stato.tracciato;
    }
  } else if (c.esito.fatale != 0) {
    out.perche = "a reserved slot is in use (" + std::to_string(c.esito.fatale) + ")";
  } else {
    out.perche = "the line description gives no cell array (code " + std::to_string(c.stato.codice_errore) + ")";
  }
  return out;
}

}  // namespace scenario::decompila
