// What an author checks in a compiled scenario, taken out of the table, the
// cells and the plan once, for both the printed picture and the interactive
// viewer: stations, signals, slowdowns, signposts, indicators, the stretches
// of speed limit, gradient, adhesion, mountain and curvature, the
// kilometre-post systems and the track as points in plan metres.
//
// Every value comes from decoded files, which may hold anything: positions
// are 64-bit, lists are bounded by the cells and rows they come from, and no
// loop runs per metre of a length that was read rather than counted.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "model/flusso_tracciato.h"
#include "model/modello.h"

namespace scenario::tool {

// A kilometre-post system: from line position `inizio` on, the posts count
// from `valore` (metres) up, or down when `decrescente`.
struct SistemaProgressive {
  int64_t inizio;
  int64_t valore;
  bool decrescente;
};

struct StazionePercorso {
  std::string nome;       // UTF-8
  int64_t posizione;      // m
  int64_t zona_da, zona_a;  // the stop zone, m
  bool ferma;             // a stopping station (it has a stopping cell)
  int64_t orario;         // scheduled time, s since midnight; 0 when none
  int tipo;
  int sosta = 0;          // dwell at the stop, s; 0 when none is given
  int64_t minimo = 0;     // least running time from the timed station before, s; 0 when none
};

struct SegnalePercorso {
  int64_t posizione;  // m, where the signal line put it
  int cella;
  int sinistra, destra, ripetizione;  // the packed kinds of the two sides and the repetition
  int valore_a, valore_b, valore_c;   // aspect settings as stored
  int tempo;
};

struct RallentamentoPercorso {
  int64_t inizio, fine;  // m
  int64_t avviso;        // m of the warning board; -1 when there is none
  int velocita;          // km/h
};

struct CartelloPercorso {
  int64_t posizione;
  std::string testo;  // UTF-8
};

struct IndicatorePercorso {
  int64_t posizione;
  // Speeds in km/h of the categories A, B, C, left and right side.
  int sinistra[3], destra[3];
  int strisce;
};

// A run of equal values over [da, a) metres.
struct TrattoCostante {
  int64_t da, a;
  int valore;
};

// A curve found in the plan: [da, a) metres, turning `angolo` degrees in all
// (positive to the right), with the mean radius in metres.
struct CurvaPercorso {
  int64_t da, a;
  double angolo;
  double raggio;
};

struct Percorso {
  std::string linea, treno;  // UTF-8
  int64_t lunghezza = 0;     // m, the line; what lies beyond is the margin
  int64_t fine_celle = 0;    // m, where the cells end
  int64_t orologio = 0;      // the train's clock at the start, s since midnight; 0 when none is given
  std::vector<SistemaProgressive> progressive;  // by rising start
  std::vector<StazionePercorso> stazioni;
  std::vector<SegnalePercorso> segnali;
  std::vector<RallentamentoPercorso> rallentamenti;
  std::vector<CartelloPercorso> cartelli;
  std::vector<IndicatorePercorso> indicatori;
  std::vector<TrattoCostante> velocita;   // km/h, up to the line's end
  std::vector<TrattoCostante> pendenza;   // per mille
  std::vector<TrattoCostante> aderenza;
  std::vector<TrattoCostante> montagna;   // scenery type, only where non-zero
  std::vector<CurvaPercorso> curve;
  // The track in plan metres (x east, y north), a point every kPassoTraccia
  // metres with its line position; the line, then the margin after its end.
  std::vector<std::pair<int64_t, std::pair<double, double>>> traccia, margine;

  // The kilometre post at a line position, in metres of the posts' own count.
  double progressiva(double metri) const;
  // "km 44+350", or the position itself ("1250 m") when no system covers it.
  std::string testo_progressiva(double metri) const;
  // The whole kilometre posts along the line: line position (m) and km, by
  // system and position, at most a few thousand.
  std::vector<std::pair<double, long long>> posti_km() const;
};

constexpr int kPassoTraccia = 10;

// The plan is read in one pass and only what the pictures draw is kept.
Percorso leggi_percorso(const Elementi& elementi, const std::vector<Cella>& celle, const PianoAPassi& piano);
// The plan may be null or empty.
Percorso leggi_percorso(const Elementi& elementi, const std::vector<Cella>& celle, const PuntiTracciato* tracciato);

// "18:15" or "18:15:30"; empty for 0 and for values that are no time of day.
std::string testo_orario(int64_t secondi);

}  // namespace scenario::tool
