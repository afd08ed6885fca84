// The pinned sizes and SHA-256 digests of every file the program writes for
// its scenario, and the check of a folder against them.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <span>
#include <string_view>

#include "tests/cartella_temporanea.h"

namespace scenario::test {

struct Impronta {
  std::string_view nome;
  size_t byte;
  std::string_view sha256;
};

std::span<const Impronta> file_della_corsa();

// Success when `cartella` holds every file of a run with its pinned bytes.
::testing::AssertionResult file_fissati(const CartellaTemporanea& cartella);

}  // namespace scenario::test
