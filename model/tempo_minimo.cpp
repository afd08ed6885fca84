#include "model/tempo_minimo.h"

#include <cmath>

#include "model/griglia.h"
#include "model/valori_cella.h"

namespace scenario {

std::optional<int64_t> tempo_minimo(const std::vector<Cella>& celle, int64_t da, int64_t a) {
  const int64_t prima = cella_di(da), ultima = cella_di(a);
  if (prima < 0 || ultima > static_cast<int64_t>(celle.size())) return std::nullopt;
  // A cell is 50 m: at v km/h it takes 50 × 3.6 / v seconds.
  double secondi = 0.0;
  for (int64_t c = prima; c < ultima; ++c) {
    const int32_t kmh = velocita_del_byte(celle[static_cast<size_t>(c)].velocita);
    if (kmh <= 0) return std::nullopt;
    secondi += kMetriCella * 3.6 / kmh;
  }
  // A sum of fractions meant to be whole (180 / 90 = 2) may land a hair
  // above the whole number: that hair is not a second more.
  return static_cast<int64_t>(std::ceil(secondi - 1e-6));
}

}  // namespace scenario
