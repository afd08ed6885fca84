#include "verifica/chiave_sconosciuta.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace scenario::tool {
namespace {

TEST(ChiaveSconosciuta, AMisspeltKeyIsAnErrorWithTheKeyMeant) {
  struct Caso {
    std::string campo;
    Sezione sezione;
    std::string tipo;
    Gravita gravita;
    std::string suggerimento;
  };
  const std::vector<Caso> casi = {
      {"stazone", Sezione::kTreno, "unknown-key", Gravita::kErrore, "did you mean `stazione`?"},
      {"Velcita", Sezione::kTreno, "unknown-key", Gravita::kErrore, "did you mean `velocita`?"},
      {"percentuale masa frenata", Sezione::kTreno, "unknown-key", Gravita::kErrore,
       "did you mean `percentuale massa frenata`?"},
      {"pendnza", Sezione::kLinea, "unknown-key", Gravita::kErrore, "did you mean `pendenza`?"},
      {"progresiva chilometrica uno", Sezione::kLinea, "unknown-key", Gravita::kErrore,
       "did you mean `progressiva chilometrica uno`?"},
      // Far from every key: a note left in the text, passed over.
      {"nota del revisore", Sezione::kTreno, "no-key", Gravita::kAvviso, ""},
      {"1200", Sezione::kTreno, "no-key", Gravita::kAvviso, ""},
  };
  for (const Caso& c : casi) {
    const Diagnostica d = chiave_sconosciuta(c.campo, c.sezione);
    EXPECT_EQ(d.tipo, c.tipo) << c.campo;
    EXPECT_EQ(d.gravita, c.gravita) << c.campo;
    EXPECT_EQ(d.suggerimento, c.suggerimento) << c.campo;
  }
  EXPECT_EQ(chiave_sconosciuta("1200", Sezione::kTreno).messaggio, "field \"1200\" holds no key word: ignored");
}

}  // namespace
}  // namespace scenario::tool
