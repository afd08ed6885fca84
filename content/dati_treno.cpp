#include <array>

#include "content/documenti.h"
#include "content/lista_righe.h"
#include "model/nomi_file.h"

namespace scenario {
namespace {

// The train description of train 2635, one entry per line. The clock line
// separates its numbers with runs of blanks instead of commas.
constexpr std::array<std::string_view, 70> kRighe{{
    "[generale]",
    "numero vetture,  9",
    "percentuale massa frenata,  130",
    "sabbia,  300",
    "orologio,     17               59            40",
    "[aderenze]",
    "aderenza,  0,  100",
    "[vel_limite]",
    "velocita,  0,  30",
    "velocita,  1250,  90",
    "velocita,  4100,  130",
    "velocita,  19600,  100",
    "velocita,  21700,  130",
    "velocita,  43700,  60",
    "velocita,  44400,  60",
    "velocita,  45400,  125",
    "velocita,  85200,  75",
    "[stazioni]",
    "stazione,  0,  12,  800,  0,  0,  0,  1,  1,  0,  4,  1,  1,  1,  18,  0,  0,   MILANO P.GENOVA",
    "stazione,  3400,  2,  600,  0,  0,  0,  1,  1,  0,  4,  1,  1,  0,  0,  0,  0,   MILANO S.CRISTOFORO",
    "stazione,  5700,  12,  600,  0,  0,  1,  1,  1,  0,  4,  1,  1,  0,  0,  0,  0,   CORSICO",
    "stazione,  8750,  27,  300,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,   TREZZANO",
    "stazione,  12150,  12,  600,  0,  0,  1,  1,  1,  0,  4,  1,  1,  0,  0,  0,  0,   GAGGIANO",
    "stazione,  21300,  12,  600,  0,  0,  1,  1,  1,  0,  4,  1,  1,  60,  18,  15,  0,   ABBIATEGRASSO",
    "stazione,  31700,  12,  500,  0,  0,  0,  1,  1,  0,  4,  1,  1,  60,  18,  23,  0,   VIGEVANO",
    "stazione,  39100,  12,  600,  0,  0,  1,  1,  1,  0,  4,  1,  1,  0,  0,  0,  0,   PARONA",
    "stazione,  44400,  4,  600,  1,  0,  0,  4,  1,  1,  2,  1,  1,  60,  18,  35,  0,   MORTARA",
    "stazione,  49150,  28,  300,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,   OLEVANO",
    "stazione,  56250,  26,  300,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,   VALLE LOMELLINA",
    "stazione,  60700,  24,  400,  0,  0,  0,  0,  0,  0,  4,  1,  1,  0,  0,  0,  0,   SARTIRANA",
    "stazione,  66400,  12,  500,  0,  0,  0,  1,  1,  0,  4,  1,  1,  0,  0,  0,  0,   TORREBERETTI",
    "stazione,  72800,  12,  500,  0,  0,  0,  1,  1,  0,  4,  1,  1,  60,  18,  51,  0,   VALENZA",
    "stazione,  78650,  28,  300,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,   VALMADONNA",
    "stazione,  86700,  2,  700,  0,  0,  0,  1,  1,  0,  2,  1,  1,  0,  19,  2,  0,   ALESSANDRIA",
    "[rallentamenti]",
    "[segnali]",
    "segnale,  1200,  1,  4,  1,  0,  0,  0,  0,  0,  0,  0",
    "segnale,  2450,  2,  4,  1,  0,  0,  0,  0,  0,  0,  0",
    "segnale,  4700,  2,  4,  1,  0,  0,  0,  0,  0,  0,  0",
    "segnale,  10150,  1,  4,  1,  0,  0,  0,  0,  0,  0,  0",
    "segnale,  11350,  2,  4,  1,  0,  0,  0,  0,  0,  0,  0",
    "segnale,  19350,  1,  5,  1,  0,  0,  0,  0,  0,  0,  0",
    "segnale,  20600,  2,  3,  1,  0,  0,  0,  0,  0,  0,  0",
    "segnale,  29250,  1,  4,  1,  0,  0,  0,  0,  0,  0,  0",
    "segnale,  30450,  2,  3,  1,  0,  0,  0,  0,  0,  0,  0",
    "segnale,  37100,  1,  4,  1,  0,  0,  0,  0,  0,  0,  0",
    "segnale,  38300,  2,  4,  1,  0,  0,  0,  0,  0,  0,  0",
    "segnale,  41900,  1,  5,  6,  0,  0,  0,  0,  0,  0,  0",
    "segnale,  43150,  2,  2,  3,  0,  1,  0,  0,  0,  0,  0",
    "segnale,  47250,  1,  4,  0,  0,  0,  0,  0,  0,  0,  0",
    "segnale,  48600,  2,  4,  0,  0,  0,  0,  0,  0,  0,  0",
    "segnale,  53700,  1,  4,  0,  0,  0,  0,  0,  0,  0,  0",
    "segnale,  55050,  2,  4,  0,  0,  0,  0,  0,  0,  0,  0",
    "segnale,  56350,  2,  4,  0,  0,  0,  0,  0,  0,  0,  0",
    "segnale,  58600,  1,  4,  0,  0,  0,  0,  0,  0,  0,  0",
    "segnale,  59800,  2,  4,  0,  0,  0,  0,  0,  0,  0,  0",
    "segnale,  64100,  1,  4,  1,  0,  0,  0,  0,  0,  0,  0",
    "segnale,  65350,  2,  4,  1,  0,  0,  0,  0,  0,  0,  0",
    "segnale,  70600,  1,  4,  1,  0,  0,  0,  0,  0,  0,  0",
    "segnale,  71850,  2,  3,  1,  0,  0,  0,  0,  0,  0,  0",
    "segnale,  74000,  1,  4,  1,  0,  0,  0,  0,  0,  0,  0",
    "segnale,  75350,  2,  4,  0,  0,  0,  0,  0,  0,  0,  0",
    "segnale,  77100,  1,  4,  0,  0,  0,  0,  0,  0,  0,  0",
    "segnale,  78450,  2,  4,  0,  0,  0,  0,  0,  0,  0,  0",
    "segnale,  80650,  1,  4,  0,  0,  0,  0,  0,  0,  0,  0",
    "segnale,  81900,  2,  4,  0,  0,  0,  0,  0,  0,  0,  0",
    "segnale,  83800,  1,  5,  6,  0,  0,  1,  3,  1,  0,  0",
    "segnale,  85150,  2,  2,  3,  1,  0,  2,  2,  1,  1,  0",
    "[codici]",
    "[fine]",
}};

}  // namespace

std::span<const std::string_view> righe_treno() { return kRighe; }

Status dati_treno(const NomiFile& nomi) {
  return scrivi_lista(nomi.descrizione_treno(), ListaRighe(righe_treno()));
}

}  // namespace scenario
