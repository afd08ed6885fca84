// A check reads a long or junk description in memory bounded by the text: the
// caller holds the pair once; the check adds one copy of a text whose entries
// it drops (the lines blanked) and a constant (the model, and records of
// warnings and entries that stop growing past their limits). Junk lines,
// repeated entries and one huge field each used to cost many times the text.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "tests/linea_generata.h"
#include "tests/picco_memoria.h"
#include "tests/strumentato.h"
#include "verifica/verifica.h"

namespace scenario::tool {
namespace {

constexpr size_t kTesto = 8 << 20;
// The model of a 10 km line, the record of entries at its limit (100000
// entries, about 35 MiB) and the runs' diagnostics. Before, junk lines with
// faults took some 25 times their size, repeated entries some 7.
constexpr int64_t kCostanteKib = 64 * 1024;

// `riga` repeated to about kTesto bytes after the heading `sezione` of a
// generated 10 km line, with `guasti` of them replaced by an entry of that
// section with a malformed number, spread evenly.
std::string con_inserto(const std::string& sezione, const std::string& riga, const std::string& guasto, int guasti) {
  const std::string linea = test::linea_generata(10000);
  const size_t dove = linea.find(sezione + "\r\n") + sezione.size() + 2;
  const size_t righe = std::max<size_t>(kTesto / riga.size(), 1);
  const size_t ogni = righe / static_cast<size_t>(guasti + 1);
  std::string inserto;
  inserto.reserve(kTesto + static_cast<size_t>(guasti) * guasto.size());
  for (size_t n = 1; n <= righe; ++n) {
    inserto += riga;
    if (guasti > 0 && n % ogni == 0 && n / ogni <= static_cast<size_t>(guasti)) inserto += guasto;
  }
  return linea.substr(0, dove) + inserto + linea.substr(dove);
}

struct Caso {
  const char* nome;
  std::string linea;
  bool recupera;  // check; otherwise compile
};

TEST(MemoriaTesto, CheckAndCompileStayWithinTheTextAndAConstant) {
  if (test::kSanitizzato) GTEST_SKIP() << "AddressSanitizer keeps freed memory and its shadow resident";
  const Caso casi[] = {
      {"junk lines and faults, check",
       con_inserto("[pendenze]", "zzzz,  qqqq,  wwww,  xxxx\r\n", "pendenza,  1x00,  5\r\n", 5), true},
      {"repeated entries and faults, check",
       con_inserto("[generale]", "lunghezza percorso,  10000\r\n", "lunghezza percorso,  10x00\r\n", 5), true},
      {"one huge field, compile", con_inserto("[pendenze]", std::string(kTesto, 'z') + "\r\n", "", 0), false},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.nome);
    RichiestaVerifica r;
    r.linea = {"linea.txt", c.linea};
    r.treno = {"treno.txt", test::treno_generato(10000)};
    r.recupera = c.recupera;
    // The texts are in memory before the measure starts, as the tool holds them.
    const std::optional<int64_t> crescita = test::crescita_picco_kib([&] { const EsitoVerifica v = verifica(r); });
    if (!crescita) GTEST_SKIP() << "the system does not report the peak resident memory";
    const auto testo_kib = static_cast<int64_t>(r.linea.testo.size() / 1024);
    EXPECT_LT(*crescita, testo_kib + kCostanteKib) << "the check raised the peak by " << *crescita << " KiB over a text of "
                                                   << testo_kib << " KiB";
  }
}

}  // namespace
}  // namespace scenario::tool
