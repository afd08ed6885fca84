// Names that try to act on a terminal, forge a line of output, close the
// markup they are put into or break its encoding: the cases every command
// that prints or draws a name of a file is tried with.
#pragma once

#include <string>
#include <vector>

#include "model/file_compilati.h"
#include "model/modello.h"
#include "model/nomi_file.h"
#include "tests/cartella_temporanea.h"

namespace scenario::tool {

struct NomeOstile {
  const char* caso;
  std::string nome;  // 8-bit, as a compiled table holds it
};

inline const std::vector<NomeOstile>& nomi_ostili() {
  static const std::vector<NomeOstile> nomi = {
      {"retitles the terminal", "\x1b]0;pwned\x07Milano"},
      {"erases the line and forges a row", "\x1b[2K\rrow 99: tipo 0"},
      {"forges a line", "Pavia\nrow 99: tipo 0"},
      {"closes the script", "</script><img src=x onerror=\"window.rotto=1\">"},
      {"markup characters", "A & B \"C\" 'D' <E>"},
      {"not UTF-8, undefined in Windows-1252", "\xC3\x28\xFF\x81\x8D"},
      {"C1 CSI as 8-bit, then C0 bytes", "\x9b" "2K\x01\x7f\x1f"},
  };
  return nomi;
}

// A line of 1000 m (cells 0 to 160) with one station at 500 m named `nome`,
// the same name on the table's row 0 (which no compile writes, so a
// decompile lists it as a record that differs), and a signpost of that text.
// The table and the cell file are written into `cartella` under the names of `nomi`.
inline void scrivi_modello_ostile(const test::CartellaTemporanea& cartella, const NomiFile& nomi,
                                  const std::string& nome) {
  struct {
    Elementi elementi{};
    std::vector<Cella> celle = std::vector<Cella>(161);
  } m;
  m.elementi[0].testo = nome;
  m.elementi[1].testo = nome;
  m.elementi[1].dato3 = 500;
  m.elementi[1].dato4 = (18 * 60 + 15) * 60;
  m.elementi[kRigaValoriCorsa].dato2 = 1000;
  m.elementi[kRigaLinea].testo = "Prova";
  m.elementi[kRigaTreno].testo = "7";
  m.elementi[80].testo = nome;  // the signpost's text
  m.celle[5].tipo = kCartello, m.celle[5].valore_a = 80;
  cartella.scrivi(nomi.nome_tabella(), codifica_elementi(m.elementi));
  cartella.scrivi(nomi.nome_celle(), codifica_celle(m.celle));
}

}  // namespace scenario::tool
