// Test support for the train half: a compiler state as the line half leaves
// it, and a train description read in memory under the scenario's file name.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include "model/stato.h"
#include "tests/celle_di_prova.h"

namespace scenario::test {

// The state after the line half of a line `lunghezza` metres long: identity
// set, the line text named, an empty cell array of the right size, no signposts.
// 88000 m gives cells 0 to 1900.
Compilatore dopo_la_linea(int32_t lunghezza = 88000);

// The lines joined with CR LF, between "[generale]" and "[fine]".
std::string descrizione_treno(std::initializer_list<std::string> righe);

// Reads `testo` as the scenario's train description (leggi_testo_treno); false
// after a reading failure, on which the reading stage deletes the line text too.
bool leggi_treno(Compilatore& stato, const std::string& testo);

// The file names of the two descriptions.
std::string nome_treno(const Compilatore& stato);
std::string nome_linea(const Compilatore& stato);

}  // namespace scenario::test
