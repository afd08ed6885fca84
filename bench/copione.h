// The floor program's script: the file operations of one program run, in
// the program's order, with the bytes each write puts down. Little-endian:
//
//   copione    := operazione*
//   operazione := tipo: u8, lunghezza_nome: u16, nome: bytes,
//                 [dimensione: u32, contenuto: bytes]   (writes only)
#pragma once

#include <cstdint>

namespace scenario::bench {

enum class Operazione : uint8_t {
  kScrivi = 1,          // a file replaced whole
  kLeggiEdElimina = 2,  // a file read back whole, then deleted (the descriptions)
};

}  // namespace scenario::bench
