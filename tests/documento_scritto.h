// Helpers for the tests of the written documents: the names of the written
// files, a state with the scenario identity, and the split of a written text into its lines.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/nomi_file.h"
#include "model/scenario.h"
#include "model/stato.h"

namespace scenario::test {

// The names the document writers write under: folder and identity.
NomiFile nomi_documenti(const std::string& cartella,
                        const std::string& nome_linea = std::string(kNomeLinea),
                        const std::string& numero_treno = std::string(kNumeroTreno));

// A state with the scenario's identity and nothing else, as a run starts.
Compilatore stato_scenario();

// Splits a written text into its lines. Succeeds only when every line ends in
// CR LF, no other CR or LF occurs and the list's end marker was not written.
::testing::AssertionResult dividi_righe(const std::string& testo, std::vector<std::string>* righe);

}  // namespace scenario::test
