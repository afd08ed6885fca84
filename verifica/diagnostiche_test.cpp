#include "verifica/diagnostiche.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "testi/citazione.h"

namespace scenario::tool {
namespace {

Diagnostica fuori_ordine(int riga) {
  return {.gravita = Gravita::kAvviso,
          .tipo = "out-of-order",
          .file = "t.txt",
          .riga = riga,
          .colonna = 11,
          .larghezza = 3,
          .messaggio = "speed limit out of order",
          .citazione = "velocita,  100,  60"};
}

std::string stampate(const Diagnostiche& d) {
  std::ostringstream out;
  stampa_diagnostiche(d, out);
  return out.str();
}

std::string in_json(const Diagnostiche& d) {
  Json o = Json::object();
  json_diagnostiche(d, &o);
  return scrivi_json(o);
}

TEST(Diagnostiche, OneDiagnosticShownInFull) {
  Diagnostiche d;
  d.aggiungi({.gravita = Gravita::kErrore,
              .tipo = "unknown-key",
              .file = "t.txt",
              .riga = 7,
              .colonna = 1,
              .larghezza = 7,
              .messaggio = "\"stazone\" is no key: the entry is ignored",
              .suggerimento = "did you mean `stazione`?",
              .citazione = "stazone,  5700"});
  EXPECT_EQ(stampate(d),
            "t.txt:7:1: error: \"stazone\" is no key: the entry is ignored\n"
            " stazone,  5700\n"
            " ^~~~~~~\n"
            " hint: did you mean `stazione`?\n");
  EXPECT_EQ(d.errori(), 1u);
}

TEST(Diagnostiche, EachKindOfEachFileBoundedThenCounted) {
  Diagnostiche d;
  for (int i = 1; i <= 25; ++i) d.aggiungi(fuori_ordine(i));
  Diagnostica altro = fuori_ordine(3);
  altro.file = "u.txt";
  d.aggiungi(altro);
  d.aggiungi({.gravita = Gravita::kNota, .tipo = "utf-8", .file = "t.txt", .messaggio = "converted"});

  EXPECT_EQ(d.tenute().size(), 22u);
  EXPECT_EQ(d.avvisi(), 26u);
  EXPECT_EQ(d.note(), 1u);
  EXPECT_FALSE(d.da_tenere("t.txt", "out-of-order"));
  EXPECT_TRUE(d.da_tenere("u.txt", "out-of-order"));
  const std::string testo = stampate(d);
  EXPECT_NE(testo.find("t.txt:20:11: warning"), std::string::npos);
  EXPECT_EQ(testo.find("t.txt:21:11"), std::string::npos);
  EXPECT_NE(testo.find("\nt.txt: \xE2\x80\xA6 and 5 more of kind out-of-order\n"), std::string::npos);
  EXPECT_EQ(testo.find("u.txt: \xE2\x80\xA6"), std::string::npos);

  const std::string json = in_json(d);
  EXPECT_NE(json.find(R"({"kind":"out-of-order","file":"t.txt","severity":"warning","count":25})"), std::string::npos);
  EXPECT_NE(json.find(R"({"kind":"out-of-order","file":"u.txt","severity":"warning","count":1})"), std::string::npos);
  EXPECT_NE(json.find(R"("faults":[],"warnings":[{"severity":"warning","kind":"out-of-order",)"
                      R"("code":null,"position":null,"message":"speed limit out of order",)"
                      R"("file":"t.txt","line":1,"column":11,"hint":null})"),
            std::string::npos);
}

TEST(Diagnostiche, StrictMakesWarningsErrorsButNotNotes) {
  Diagnostiche d(true);
  d.aggiungi(fuori_ordine(1));
  d.aggiungi({.gravita = Gravita::kNota, .tipo = "utf-8", .file = "t.txt", .messaggio = "converted"});
  EXPECT_EQ(d.errori(), 1u);
  EXPECT_EQ(d.avvisi(), 0u);
  EXPECT_EQ(d.note(), 1u);
  EXPECT_NE(stampate(d).find("t.txt:1:11: error: speed limit out of order"), std::string::npos);
  EXPECT_NE(in_json(d).find(R"("faults":[{"severity":"error")"), std::string::npos);
}

TEST(Diagnostiche, FaultCodesAndEscapedTextInTheJson) {
  Diagnostiche d;
  d.aggiungi({.gravita = Gravita::kErrore,
              .tipo = "fault-16",
              .file = "t.txt",
              .riga = 9,
              .colonna = 1,
              .messaggio = "cell of \"" + testo_visibile("A\x1b") + "\" is not free",
              .suggerimento = "held by the station at t.txt:4",
              .codice = 16,
              .posizione = 1200});
  EXPECT_EQ(in_json(d),
            R"({"faults":[{"severity":"error","kind":"fault-16","code":16,"position":1200,)"
            R"("message":"cell of \"A\\x1b\" is not free","file":"t.txt","line":9,)"
            R"("column":1,"hint":"held by the station at t.txt:4"}],"warnings":[],)"
            R"("kinds":[{"kind":"fault-16","file":"t.txt","severity":"error","count":1}]})");
  EXPECT_EQ(stampate(d).find('\x1b'), std::string::npos);
}

// File names and kinds are the description's 8-bit text and go out as UTF-8;
// a message that is not well-formed UTF-8 gets U+FFFD for its bad byte
// instead of stopping the writer or making the output invalid JSON.
TEST(Diagnostiche, EightBitAndMalformedTextStayValidJson) {
  Diagnostiche d;
  d.aggiungi({.gravita = Gravita::kErrore, .tipo = "fault-9", .file = "Localit\xE0.txt", .messaggio = "a \xFF b"});
  const std::string json = in_json(d);
  EXPECT_NE(json.find("\"message\":\"a \xEF\xBF\xBD b\",\"file\":\"Localit\xC3\xA0.txt\""), std::string::npos) << json;
  EXPECT_NE(json.find("\"kind\":\"fault-9\",\"file\":\"Localit\xC3\xA0.txt\""), std::string::npos) << json;
}

}  // namespace
}  // namespace scenario::tool
