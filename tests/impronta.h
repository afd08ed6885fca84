// The check of a folder against the pinned bytes of every file the program
// writes (tests/impronte.h).
#pragma once

#include <gtest/gtest.h>

#include "tests/cartella_temporanea.h"
#include "tests/impronte.h"

namespace scenario::test {

// Success when `cartella` holds every file of a run with its pinned bytes.
::testing::AssertionResult file_fissati(const CartellaTemporanea& cartella);

}  // namespace scenario::test
