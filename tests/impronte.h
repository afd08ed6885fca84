// The sizes and SHA-256 digests of every file the program writes for its
// scenario, worked out independently: the pin test and the decompiler's round
// trip both compare against them.
#pragma once

#include <cstddef>
#include <string_view>

namespace scenario::test {

struct Impronta {
  std::string_view nome;
  size_t byte;
  std::string_view sha256;
};

inline constexpr Impronta kFileDellaCorsa[] = {
    {.nome = "MilanoPGen-Alessandria_linea.dat",
     .byte = 1899964,
     .sha256 = "c10f4dfd83a9d7ce0b799a6a0a6773fed489479f5b8f84336497684199620723"},
    {.nome = "MilanoPGen-Alessandria_2635.sim",
     .byte = 4596,
     .sha256 = "b4de89f018cd0bcd6fa088164fddaa84c636c23e255274016b55e7c429ed2044"},
    {.nome = "MilanoPGen-Alessandria_2635.dat",
     .byte = 28515,
     .sha256 = "3edce56b2fb9112e0c527d91ab50a7147aec9779b13be327ae0976b8dd0bcf07"},
    {.nome = "MilanoPGen-Alessandria_2635_scheda_treno.txt",
     .byte = 3995,
     .sha256 = "80e3df8c7af020b3f67db3eabeca5f55c2e9c1cc3559ecf641e8103bec774290"},
    {.nome = "MilanoPGen-Alessandria_2635_rallentamenti.txt",
     .byte = 3298,
     .sha256 = "8a439e1d08860ab82e62608a59c6856ed85cf9d38ffe8ea39518f841d5858333"},
    {.nome = "MilanoPGen-Alessandria_2635_note.txt",
     .byte = 9956,
     .sha256 = "32689a6beb63edf11ee6ba78d219766e860b5e69bf1d531f78de84c83959dd7b"},
};

// The three compiled files are the first three entries.
inline constexpr size_t kFileCompilati = 3;

}  // namespace scenario::test
