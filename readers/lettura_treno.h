// The state of one reading of the train description, shared by the rules that
// act on its entries.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "readers/lettore_campi.h"

namespace scenario {

struct Compilatore;

// How a rule of the train half leaves the reading.
enum class EsitoTreno {
  kContinua,       // go on with the next test or the next key
  kChiusura,       // a position beyond the cell array (15): the closing steps still run
  kFine,           // a fault that ends the reading at once, without the closing steps
  kErroreLettura,  // a reading failure (25): both description texts go
};

class LetturaTreno {
 public:
  LetturaTreno(Compilatore& stato, std::string testo, std::string nome_file);

  Compilatore& stato;
  LettoreCampi lettore;
  std::string campo;  // the key field just read

  // Next cell to receive a speed limit or an adhesion, and the value in force
  // as the cell stores it (speed in steps of 5 km/h). Before the first entry of
  // each kind the value is 0.
  int64_t contatore_velocita = 0;
  uint8_t velocita_corrente = 0;
  int64_t contatore_aderenza = 0;
  uint8_t aderenza_corrente = 0;
  int32_t stazione = 1;  // element row of the next station

  // Positions of the last entry of each kind, to warn about entries out of order.
  std::optional<int32_t> ultima_velocita;
  std::optional<int32_t> ultima_aderenza;
  std::optional<int32_t> ultimo_segnale;

  // Reads a value field of the given width. A field that is missing, is not a
  // number or does not fit records 25 and gives false.
  bool numero(int32_t* valore);
  bool numero(int16_t* valore);
  bool numero(uint8_t* valore);
  bool testo(std::string* valore);

  // Records a fault or a warning against the line just read.
  void registra(int32_t codice);
  void registra(int32_t codice, int32_t posizione);
  void avverti(std::string_view modello, std::vector<std::string> valori);
  // Points the status at the line just read, before a placement routine may
  // record a fault of its own.
  void attribuisci();

  // The common position test: (posizione + margine) / 50 must not exceed the
  // last cell. Records 15 otherwise.
  EsitoTreno controlla_posizione(int32_t posizione, int32_t margine);

  // Warns when `posizione` lies before the previous entry of the same kind.

 private:
  std::string nome_file_;
};

// The margins of the position test: most entries, and stations with their
// stop zone.
constexpr int32_t kMargineVoce = 100;
constexpr int32_t kMargineStazione = 800;

}  // namespace scenario
