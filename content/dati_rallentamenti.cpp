#include <array>

#include "content/documenti.h"
#include "content/lista_righe.h"
#include "model/nomi_file.h"

namespace scenario {
namespace {

// The blank slowdown order form "Modulo M. 3": a heading, a table of 26 empty
// rows for the driver to fill in, and the legend of the prescription codes.
// The legend keeps the form's own order (A, B, D, C) and its wording as
// printed, typing slip included; the accent of "Velocita'" is an apostrophe,
// so the form is plain ASCII.
constexpr auto kRighe = std::to_array<std::string_view>({
    "",
    "                               Modulo M. 3",
    "                           ORDINE DI RALLENTAMENTO",
    " ________________________________________________________________________________",
    "  Linea  Milano P.ta Genova-Alessandria",
    "",
    "  Si ordina al macchinista del treno 2635 di effettuare i seguenti rallentamenti",
    "  _______________________________________________________________________________",
    " |   |                            |Inizio dopo |          |         |            |",
    " | N.|      FRA LE STAZIONI       | il cippo   | Velocita'|Lunghezza|Prescrizioni|",
    " |   |   (o nelle Stazioni di)    |chilometrico|          |   metri | specifiche |",
    " |___|____________________________|____________|__________|_________|____________|",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |___|____________________________|____________|__________|_________|____________|",
    "",
    "              Prescrizioni specifiche",
    " A - Da rispettare con tutto il treno (per i treni viaggiatori)",
    " B - Interessa anche la stazione di.......",
    " D - Rallentamneto N. ... e N. ...  sono contigui",
    " C - Da rispettare dalle ore ....  alle ore ..... di tutti",
    "     i giorni esclusi i seguenti:.........",
});
static_assert(kRighe.size() == 46);

}  // namespace

std::span<const std::string_view> righe_rallentamenti() { return kRighe; }

Status dati_rallentamenti(const NomiFile& nomi) {
  return scrivi_lista(nomi.rallentamenti(), ListaRighe(righe_rallentamenti()));
}

}  // namespace scenario
