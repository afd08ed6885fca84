#include "tests/celle_di_prova.h"

namespace scenario::test {

Compilatore con_celle(int32_t ultima) {
  Compilatore stato;
  stato.ultima_cella = ultima;
  stato.celle.assign(static_cast<size_t>(ultima) + 1, Cella{});
  return stato;
}

}  // namespace scenario::test
