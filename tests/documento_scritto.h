// Helpers for the tests of the written documents: a compiler state that names
// a folder and an identity, and the split of a written text into its lines.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/stato.h"

namespace scenario::test {

// A state with only what the document writers read: folder and identity.
Compilatore stato_documenti(const std::string& cartella,
                            const std::string& nome_linea = "MilanoPGen-Alessandria",
                            const std::string& numero_treno = "2635");

// Splits a written text into its lines. Succeeds only when every line ends in
// CR LF, no other CR or LF occurs and the list's end marker was not written.
::testing::AssertionResult dividi_righe(const std::string& testo, std::vector<std::string>* righe);

}  // namespace scenario::test
