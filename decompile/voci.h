// The entries of a line and a train description, as the decompiler recovers
// them from compiled files: one struct per kind of entry, its fields in the
// order the entry's line writes them. Where the readers hand an entry's
// values on in a struct of their own (indicators, a signal's settings), the
// decompiler recovers that same struct.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/valori_cella.h"
#include "readers/linea_indicatori.h"

namespace scenario::decompila {

struct Progressiva {
  int32_t inizio = 0;     // line position where the system begins (m)
  int32_t valore = 0;     // kilometre value there (m), as the author writes it
  int32_t direzione = 0;  // 0 increasing, 1 decreasing
};

struct Curva {
  int32_t inizio = 0;     // the last straight metre before the curve
  int32_t lunghezza = 0;  // curved metres
  char cifra = '1';       // curvature digit of the key, '1' to '6'
  bool sinistra = false;  // "curvas" turns left, "curvad" right
};

struct Pendenza {
  int32_t posizione = 0;
  int32_t valore = 0;  // per mille, signed
};

struct Montagna {
  int32_t inizio = 0;
  int32_t fine = 0;
  int32_t tipo = 0;  // scenery type, plus 10 when the section is marked
};

struct Cartello {
  int32_t posizione = 0;
  std::string testo;
};

struct DescrizioneLinea {
  int32_t lunghezza = 0;
  Progressiva uno, due, tre;
  int32_t sfondo_uno = 0, sfondo_due = 0, sfondo_tre = 0;
  int32_t ripetizione_1 = 0, ripetizione_2 = 0;
  int32_t codici = 4;  // signal-repetition code count named in the key: 4 or 9
  bool curve_recuperate = false;  // false when there was no plan to read them from
  std::vector<Curva> curve;
  std::vector<Pendenza> pendenze;
  std::vector<Montagna> montagne;
  std::vector<IndicatoriVMax> indicatori;
  std::vector<Cartello> cartelli;  // in the order of their rows: 80 downward
};

// A position and one value: speed limits, adhesion, abbattimento.
struct Valore {
  int32_t posizione = 0;
  int32_t valore = 0;
};

struct Stazione {
  int32_t posizione = 0;
  int32_t tipo = 0;
  int32_t lunghezza = 0;
  // Values 4 to 13 of the station line, in that order.
  int32_t segno = 0, byte4 = 0, byte3 = 0, intero1 = 0, intero2 = 0, byte1 = 0, intero3 = 0, intero4 = 0,
          intero5 = 0, byte2 = 0;
  int32_t ore = 0, minuti = 0, secondi = 0;
  std::string nome;
};

// A signal line: its position, then the settings the reader places it with.
struct Segnale {
  int32_t posizione = 0;
  ImpostazioniSegnale impostazioni;
};

struct Rallentamento {
  int32_t x = 0, v = 0, l = 0, f_tt = 0, f_ta = 0, d_v = 0;
};

struct DescrizioneTreno {
  int32_t vetture = 0;
  int32_t massa_frenata = 0;
  int32_t sabbia = 0;
  int32_t ore = 0, minuti = 0, secondi = 0;  // the start clock
  std::vector<Valore> aderenze;
  std::vector<Valore> velocita;
  std::vector<Stazione> stazioni;  // in the order of their rows: 1 upward
  std::vector<Rallentamento> rallentamenti;
  std::vector<Segnale> segnali;
  std::vector<Valore> abbattimenti;
};

}  // namespace scenario::decompila
