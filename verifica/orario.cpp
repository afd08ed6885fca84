#include "verifica/orario.h"

#include <cstdio>

#include "platform/traduzione.h"

namespace scenario::tool {

std::optional<int64_t> ora_stazione(const VoceLetta& v) {
  if (v.valori.size() < kValoreOra + 3) return std::nullopt;
  const int64_t t = secondi_del_giorno(v.valori[kValoreOra], v.valori[kValoreOra + 1], v.valori[kValoreOra + 2]);
  if (t == 0) return std::nullopt;
  return t;
}

std::string testo_ora(int64_t secondi) {
  const bool meno = secondi < 0;
  const int64_t a = meno ? -secondi : secondi;
  char buf[40];
  std::snprintf(buf, sizeof buf, "%s%02lld:%02lld:%02lld", meno ? "-" : "", static_cast<long long>(a / 3600),
                static_cast<long long>(a / 60 % 60), static_cast<long long>(a % 60));
  return buf;
}

std::string testo_ora_scritta(int64_t h, int64_t m, int64_t s) {
  char buf[80];
  std::snprintf(buf, sizeof buf, "%02lld:%02lld:%02lld", static_cast<long long>(h), static_cast<long long>(m),
                static_cast<long long>(s));
  return buf;
}

std::string testo_durata(int64_t secondi) {
  return componi(traduci("%1 min %2 s"), {std::to_string(secondi / 60), std::to_string(secondi % 60)});
}

}  // namespace scenario::tool
