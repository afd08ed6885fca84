#include "model/stato.h"

#include <utility>

#include "model/da_tradurre.h"

namespace scenario {

void Compilatore::registra(int32_t codice) {
  codice_errore = codice;
  guasti.push_back(Guasto{codice, std::nullopt, file_corrente, riga_corrente});
}

void Compilatore::registra(int32_t codice, int32_t posizione) {
  codice_errore = codice;
  posizione_errore = posizione;
  guasti.push_back(Guasto{codice, posizione, file_corrente, riga_corrente});
}

void Compilatore::registra_cella(int32_t codice, int32_t posizione) {
  codice_errore = codice;
  posizione_errore = posizione;
  guasti.push_back(Guasto{codice, posizione, "", 0});
}

void Compilatore::posiziona(int32_t posizione) {
  posizione_errore = posizione;
  if (!guasti.empty() && guasti.back().codice == codice_errore) guasti.back().posizione = posizione;
}

void Compilatore::avverti(std::string_view modello, std::vector<std::string> valori, bool anche_nel_programma) {
  avvertimenti.push_back(Avvertimento{.testo = componi(modello, valori),
                                      .file = file_corrente,
                                      .riga = riga_corrente,
                                      .anche_nel_programma = anche_nel_programma,
                                      .modello = modello,
                                      .valori = std::move(valori)});
}

}  // namespace scenario
