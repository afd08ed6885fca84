#include "model/codici_errore.h"

#include <array>

namespace scenario {
namespace {

constexpr std::array<CodiceErrore, 35> kCodici{{
    {1, false, "lunghezza della linea oltre 1000000 m"},
    {2, false, "inizio o valore di una progressiva chilometrica non multiplo di 50"},
    {3, false, "prima distanza di ripetizione segnali non multipla di 50"},
    {4, false, "seconda distanza di ripetizione segnali non multipla di 50"},
    {5, false, "ripetizione segnali senza 4 o 9 codici"},
    {6, true, "cella del cartello non libera"},
    {7, true, "cella dell'abbattimento non libera"},
    {8, true, "posizione della stazione non multipla di 50"},
    {9, true, "lunghezza della stazione non multipla di 100"},
    {10, false, "le righe delle stazioni raggiungerebbero quelle dei cartelli"},
    {11, true, "nessuna cella libera per il segnale davanti a un avviso di rallentamento"},
    {12, true, "finestra prima dell'inizio del rallentamento tutta occupata"},
    {13, true, "nessuna cella libera per il segnale dopo o dentro il rallentamento"},
    {15, true, "posizione oltre la fine delle celle"},
    {16, true, "cella del segnale non libera"},
    {17, true, "cella dell'avviso di rallentamento non libera"},
    {18, true, "cella d'inizio del rallentamento non libera"},
    {19, true, "cella di fine del rallentamento non libera"},
    {20, true, "celle di preavviso del rallentamento non libere"},
    {21, true, "cella degli indicatori di velocita' massima non libera"},
    {22, true, "zona della stazione a meno di 350 m dalla precedente"},
    {24, false, "cella di fermata della stazione alla cella 1 o prima"},
    {25, false, "errore di lettura delle descrizioni"},
    {26, true, "piu' di 80 cartelli"},
    {27, true, "piu' di 80 tratti di montagna"},
    {28, false, "manca la lunghezza del percorso: nessuna cella"},
    {29, false, "lunghezza del percorso negativa"},
    {30, true, "pendenza oltre l'ultima cella"},
    {31, true, "oggetto di linea fuori dalle celle"},
    {32, true, "oggetto del treno fuori dalle celle"},
    {33, true, "rallentamento senza cella di fine prima dell'ultima cella"},
    {101, false, "descrizione della linea mancante"},
    {102, false, "descrizione della linea senza sezione [generale]"},
    {103, false, "curva senza cifra di curvatura o oltre il metro 1000000"},
    {104, true, "curva oltre la fine del tracciato"},
}};

}  // namespace

const CodiceErrore* cerca_codice_errore(int32_t codice) {
  for (const CodiceErrore& voce : kCodici) {
    if (voce.codice == codice) return &voce;
  }
  return nullptr;
}

std::string_view descrizione_errore(int32_t codice) {
  if (codice == kErroreSlotIntero) return "riga 85 intero1 o cella 1 valore_a gia' in uso";
  if (codice == kErroreSlotCodice) return "riga 85 dato4 o cella 1 valore_b gia' in uso";
  const CodiceErrore* voce = cerca_codice_errore(codice);
  return voce != nullptr ? voce->testo : "codice sconosciuto";
}

}  // namespace scenario
