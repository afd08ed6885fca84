#include "lsp/server.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "lsp/coppia.h"
#include "lsp/messaggi.h"
#include "lsp/righe.h"
#include "lsp/voci.h"
#include "tests/cartella_temporanea.h"

namespace scenario::lsp {
namespace {

using json = tool::Json;

// A pair small enough to work out by hand: the train's third line holds a
// misspelt key, its fifth and sixth two signals at 1200 m (the same cell).
constexpr char kLinea[] =
    "[generale]\n"
    "lunghezza percorso,  24000\n"
    "progressiva chilometrica uno,  0,  12000,  0\n"
    "progressiva chilometrica due,  9500,  48200,  1\n"
    "[curve]\n"
    "pendenza,  0,  0\n"
    "[fine]\n";
constexpr char kTreno[] =
    "[generale]\n"
    "velocita,  0,  130\n"
    "velcita,  600,  130\n"
    "orologio,  7,  36,  0\n"
    "segnale,  1200,  1,  4,  1,  0,  0,  0,  0,  0,  0,  0\n"
    "segnale,  1200,  1,  4,  1,  0,  0,  0,  0,  0,  0,  0\n"
    "stazione,  0,  12,  800,  0,  0,  0,  1,  1,  0,  4,  1,  1,  1,  7,  30,  0,   BORGO ALTO\n"
    "[fine]\n";

// The server driven in-process: every message it sends is kept.
class Sessione {
 public:
  Sessione() : server_([this](const json& m) { inviati.push_back(m); }, log_) {}

  json chiedi(const std::string& metodo, json parametri) {
    inviati.clear();
    server_.gestisci({{"jsonrpc", "2.0"}, {"id", ++id_}, {"method", metodo}, {"params", std::move(parametri)}}, adesso_);
    return inviati.empty() ? json() : inviati.back();
  }
  void avvisa(const std::string& metodo, json parametri) {
    server_.gestisci({{"jsonrpc", "2.0"}, {"method", metodo}, {"params", std::move(parametri)}}, adesso_);
  }
  void apri(const std::string& uri, const std::string& testo) {
    avvisa("textDocument/didOpen", {{"textDocument", {{"uri", uri}, {"languageId", "x"}, {"version", 1}, {"text", testo}}}});
  }
  void cambia(const std::string& uri, const std::string& testo) {
    avvisa("textDocument/didChange",
           {{"textDocument", {{"uri", uri}, {"version", 2}}}, {"contentChanges", json::array({{{"text", testo}}})}});
  }
  // Lets time pass (the typing pause) and runs the checks then due.
  void attendi(std::chrono::milliseconds quanto) {
    adesso_ += quanto;
    server_.controlla(adesso_);
  }
  // The diagnostics last published for `uri`.
  json diagnostiche(const std::string& uri) const {
    json ultime;
    for (const json& m : inviati) {
      if (m.value("method", "") == "textDocument/publishDiagnostics" && m["params"]["uri"] == uri) {
        ultime = m["params"]["diagnostics"];
      }
    }
    return ultime;
  }
  Server& server() { return server_; }

  std::vector<json> inviati;

 private:
  std::ostringstream log_;
  Server server_;
  Orologio::time_point adesso_{};
  int id_ = 0;
};

json posizione(size_t riga, size_t carattere) {
  return {{"textDocument", {{"uri", ""}}}, {"position", {{"line", riga}, {"character", carattere}}}};
}

class ServerCoppia : public ::testing::Test {
 protected:
  void SetUp() override {
    cartella_.scrivi("V_linea.txt", kLinea);
    uri_linea_ = uri_da_percorso(cartella_.file("V_linea.txt"));
    uri_treno_ = uri_da_percorso(cartella_.file("V_101-.txt"));
    s_.apri(uri_treno_, kTreno);  // the line description is read from its file
    s_.attendi(std::chrono::milliseconds(0));
  }
  json al(size_t riga, size_t carattere) {
    json p = posizione(riga, carattere);
    p["textDocument"]["uri"] = uri_treno_;
    return p;
  }

  test::CartellaTemporanea cartella_;
  std::string uri_linea_, uri_treno_;
  Sessione s_;
};

TEST_F(ServerCoppia, TheTyposAndTheBusyCellAreDiagnosedWhereTheyStand) {
  const json d = s_.diagnostiche(uri_treno_);
  ASSERT_TRUE(d.is_array());
  bool chiave = false, occupata = false;
  for (const json& x : d) {
    if (x["code"] == "unknown-key") {
      chiave = true;
      EXPECT_EQ(x["range"], json({{"start", {{"line", 2}, {"character", 0}}}, {"end", {{"line", 2}, {"character", 7}}}}));
      EXPECT_EQ(x["severity"], 1);
      EXPECT_NE(x["relatedInformation"][0]["message"].get<std::string>().find("`velocita`"), std::string::npos);
    }
    if (x["code"].get<std::string>().rfind("fault-", 0) == 0) {
      occupata = true;
      // The second signal's key, the entry a taken cell refuses.
      EXPECT_EQ(x["range"], json({{"start", {{"line", 5}, {"character", 0}}}, {"end", {{"line", 5}, {"character", 7}}}}));
    }
  }
  EXPECT_TRUE(chiave) << d.dump();
  EXPECT_TRUE(occupata) << d.dump();
  // The partner's diagnostics are published too: the line has none.
  EXPECT_EQ(s_.diagnostiche(uri_linea_), json::array());
}

TEST_F(ServerCoppia, AMessageQuotingAHugeFieldIsCut) {
  // A misspelt key followed by a megabyte of letters: the field is quoted in
  // the message, which the editor gets cut to 1000 bytes and an ellipsis.
  s_.cambia(uri_treno_, std::string(kTreno) + "velcita" + std::string(1 << 20, 'x') + ",  0,  30\n[fine]\n");
  s_.attendi(kAttesa);
  size_t lunghe = 0;
  for (const json& x : s_.diagnostiche(uri_treno_)) {
    const std::string m = x["message"].get<std::string>();
    EXPECT_LE(m.size(), 1003u);
    lunghe += m.size() == 1003 && m.substr(1000) == "\xE2\x80\xA6";
  }
  EXPECT_EQ(lunghe, 1u);
}

TEST_F(ServerCoppia, DefinitionLeadsFromTheBusyCellToItsOccupant) {
  const json r = s_.chiedi("textDocument/definition", al(5, 3));
  ASSERT_TRUE(r["result"].is_array()) << r.dump();
  EXPECT_EQ(r["result"][0]["uri"], uri_treno_);
  EXPECT_EQ(r["result"][0]["range"]["start"]["line"], 4);
  EXPECT_TRUE(s_.chiedi("textDocument/definition", al(0, 0))["result"].is_null());
}

TEST_F(ServerCoppia, TheQuickFixReplacesTheKeyAndTheMistakeGoesWhenFixed) {
  json p = al(0, 0);
  p["range"] = {{"start", {{"line", 2}, {"character", 0}}}, {"end", {{"line", 2}, {"character", 0}}}};
  p["context"] = {{"diagnostics", json::array()}};
  const json r = s_.chiedi("textDocument/codeAction", p);
  ASSERT_EQ(r["result"].size(), 1u) << r.dump();
  const json modifica = r["result"][0]["edit"]["changes"][uri_treno_][0];
  EXPECT_EQ(modifica["newText"], "velocita");
  EXPECT_EQ(modifica["range"]["end"]["character"], 7);

  std::string corretto = kTreno;
  corretto.replace(corretto.find("velcita"), 7, "velocita");
  corretto.replace(corretto.rfind("segnale,  1200"), 14, "segnale,  2400");
  s_.inviati.clear();
  s_.cambia(uri_treno_, corretto);
  s_.attendi(kAttesa / 2);
  EXPECT_TRUE(s_.inviati.empty()) << "checked before the typing paused";
  s_.attendi(kAttesa);
  EXPECT_EQ(s_.diagnostiche(uri_treno_), json::array());
}

// A check started from either file of the pair publishes the other's
// diagnostics too: a station too close to the previous one keeps its quick
// fix when the line's check is the last to publish the train's.
TEST_F(ServerCoppia, TheAllowedPositionIsOfferedWhicheverFileWasChecked) {
  std::string vicina = kTreno;
  vicina.replace(vicina.find("[fine]"), 6,
                 "stazione,  600,  12,  600,  0,  0,  1,  1,  1,  0,  4,  1,  1,  60,  7,  36,  0,   SAN MICHELE\n[fine]");
  const size_t riga = 7;
  json p = al(riga, 0);
  p["range"] = {{"start", {{"line", riga}, {"character", 0}}}, {"end", {{"line", riga}, {"character", 0}}}};
  p["context"] = {{"diagnostics", json::array()}};
  s_.cambia(uri_treno_, vicina);
  s_.attendi(kAttesa);
  const json dal_treno = s_.chiedi("textDocument/codeAction", p)["result"];
  ASSERT_EQ(dal_treno.size(), 1u) << dal_treno.dump();
  EXPECT_TRUE(dal_treno[0]["title"].get<std::string>().starts_with("Move to ")) << dal_treno.dump();

  s_.apri(uri_linea_, kLinea);
  s_.attendi(kAttesa);
  EXPECT_EQ(s_.chiedi("textDocument/codeAction", p)["result"], dal_treno);
}

TEST_F(ServerCoppia, HoverTellsTheGuideOfAKeyAndTheMeaningOfAValue) {
  struct Caso {
    size_t riga, carattere;
    std::string atteso;
  };
  const std::vector<Caso> casi = {
      {1, 2, "#### `velocita`"},
      // 1200 m: cell 24, and 12000 m + 1200 m on the system "uno".
      {4, 11, "cell 24 (1200 m to 1250 m), kilometre post km 13+200"},
      // 130 km/h in steps of 5.
      {1, 16, "stored as 26"},
      {3, 14, "clock 07:36:00, stored as 27360 s"},
      {6, 90, "`stazione` — **name**"},
  };
  for (const Caso& c : casi) {
    const json r = s_.chiedi("textDocument/hover", al(c.riga, c.carattere));
    ASSERT_TRUE(r["result"].is_object()) << c.atteso << ": " << r.dump();
    EXPECT_NE(r["result"]["contents"]["value"].get<std::string>().find(c.atteso), std::string::npos)
        << r["result"]["contents"]["value"];
  }
  EXPECT_TRUE(s_.chiedi("textDocument/hover", al(7, 1))["result"].is_null()) << "a heading";
}

TEST(ServerKm, ThePostCountsDownOnASystemThatDoes) {
  // 9500 m onwards is system "due": 48200 m there, counting down.
  Sessione s;
  s.apri("file:///x/V_linea.txt", std::string(kLinea) + "pendenza,  10000,  5\n");
  const json r = s.chiedi("textDocument/hover", {{"textDocument", {{"uri", "file:///x/V_linea.txt"}}},
                                                 {"position", {{"line", 7}, {"character", 12}}}});
  EXPECT_NE(r["result"]["contents"]["value"].get<std::string>().find("km 47+700"), std::string::npos) << r.dump();
}

TEST(ServerCompletamento, OffersTheKeysOfTheSectionAndItsHeadings) {
  struct Caso {
    std::string uri;
    std::string testo;
    size_t riga;
    std::vector<std::string> offerti, esclusi;
  };
  const std::vector<Caso> casi = {
      {"file:///x/V_linea.txt", "note\n\n", 1, {"[generale]"}, {"pendenza", "[curve]"}},
      {"file:///x/V_linea.txt", "[generale]\n\n", 1, {"lunghezza percorso", "sfondo uno", "[curve]"}, {"pendenza"}},
      {"file:///x/V_linea.txt", "[generale]\n[curve]\n\n", 2, {"pendenza", "curva", "[fine]"}, {"sfondo uno"}},
      {"file:///x/V_101-.txt", "[generale]\n\n", 1, {"stazione", "segnale", "[stazioni]"}, {"pendenza", "[generale]"}},
  };
  for (const Caso& c : casi) {
    Sessione s;
    s.apri(c.uri, c.testo);
    const json r = s.chiedi("textDocument/completion",
                            {{"textDocument", {{"uri", c.uri}}}, {"position", {{"line", c.riga}, {"character", 0}}}});
    std::vector<std::string> etichette;
    for (const json& v : r["result"]) etichette.push_back(v["label"]);
    for (const std::string& o : c.offerti) EXPECT_NE(std::find(etichette.begin(), etichette.end(), o), etichette.end()) << o;
    for (const std::string& e : c.esclusi) EXPECT_EQ(std::find(etichette.begin(), etichette.end(), e), etichette.end()) << e;
  }
  // The two headings whose names read the wrong way round tell what goes
  // under each.
  Sessione s;
  s.apri("file:///x/V_linea.txt", "[generale]\n[curve]\n\n");
  const json r = s.chiedi("textDocument/completion", {{"textDocument", {{"uri", "file:///x/V_linea.txt"}}},
                                                       {"position", {{"line", 2}, {"character", 0}}}});
  std::map<std::string, std::string> dettagli;
  for (const json& v : r["result"]) dettagli[v["label"]] = v["detail"];
  EXPECT_EQ(dettagli["[cartelli]"], "section heading: speed indicator boards (indicatori_vmax)");
  EXPECT_EQ(dettagli["[indicazioni]"], "section heading: signposts (cartello_indicatore)");
}

TEST(ServerCompletamento, TheSnippetHoldsTheFieldsInOrder) {
  const Voce* v = voce_di("velocita", Parte::kTreno);
  ASSERT_NE(v, nullptr);
  EXPECT_EQ(frammento(*v), "velocita,  ${1:position},  ${2:speed}");
  EXPECT_EQ(elenco_campi(*v), "position (m), speed (km/h)");
}

TEST(ServerVoci, EveryEntryHasItsSectionOfTheGuide) {
  for (const Voce& v : voci()) {
    const std::string_view guida = entrata_guida(v);
    EXPECT_EQ(guida.substr(0, 5), "#### ") << v.parole.chiave;
    EXPECT_NE(guida.find(v.titolo), std::string_view::npos) << v.parole.chiave;
  }
}

TEST(ServerSimboli, TheOutlineHoldsSectionsStationsSignalsSlowdownsAndCurves) {
  Sessione s;
  s.apri("file:///x/V_101-.txt", kTreno);
  const json r = s.chiedi("textDocument/documentSymbol", {{"textDocument", {{"uri", "file:///x/V_101-.txt"}}}});
  ASSERT_EQ(r["result"].size(), 2u) << r.dump();  // [generale] and [fine]
  const json& figli = r["result"][0]["children"];
  ASSERT_EQ(figli.size(), 3u) << figli.dump();
  EXPECT_EQ(figli[0]["name"], "segnale 1200 m");
  EXPECT_EQ(figli[2]["name"], "BORGO ALTO");
  EXPECT_EQ(figli[2]["detail"], "0 m, 7:30:0");
  EXPECT_EQ(r["result"][0]["range"]["end"]["line"], 6);

  s.apri("file:///x/V_linea.txt", "[generale]\n[curve]\ncurvad3,  1200,  600\n");
  const json l = s.chiedi("textDocument/documentSymbol", {{"textDocument", {{"uri", "file:///x/V_linea.txt"}}}});
  EXPECT_EQ(l["result"][1]["children"][0]["name"], "curvad3 1200 m") << l.dump();
}

TEST(ServerProtocollo, AnswersWhatItCannotServeAndEndsInOrder) {
  Sessione s;
  EXPECT_EQ(s.chiedi("initialize", json::object())["result"]["capabilities"]["hoverProvider"], true);
  EXPECT_EQ(s.chiedi("workspace/frobnicate", json::object())["error"]["code"], -32601);
  // Parameters of the wrong shape are an internal error of that request only.
  EXPECT_EQ(s.chiedi("textDocument/hover", {{"textDocument", 5}})["error"]["code"], -32603);
  EXPECT_TRUE(s.chiedi("textDocument/hover", posizione(0, 0))["result"].is_null()) << "a document never opened";
  s.inviati.clear();
  s.server().gestisci(json::array({1, 2}), Orologio::now());
  EXPECT_EQ(s.inviati.at(0)["error"]["code"], -32600);
  EXPECT_TRUE(s.chiedi("shutdown", json())["result"].is_null());
  EXPECT_EQ(s.chiedi("textDocument/hover", posizione(0, 0))["error"]["code"], -32600);
  EXPECT_FALSE(s.server().uscito());
  s.avvisa("exit", json());
  EXPECT_TRUE(s.server().uscito());
  EXPECT_EQ(s.server().stato_uscita(), 0);
}

TEST(ServerProtocollo, ExitWithoutShutdownEndsWithStatusOne) {
  std::istringstream in("Content-Length: 33\r\n\r\n{\"jsonrpc\":\"2.0\",\"method\":\"exit\"}");
  std::ostringstream out, log;
  EXPECT_EQ(esegui_server(in, out, log), 1);
  // Input that ends without "exit" ends the same way.
  std::istringstream vuoto("");
  EXPECT_EQ(esegui_server(vuoto, out, log), 1);
}

TEST(ServerProtocollo, AMessageThatIsNotJsonIsAnsweredAndTheNextServed) {
  const std::string richiesta = R"({"jsonrpc":"2.0","id":1,"method":"shutdown"})";
  const std::string uscita = R"({"jsonrpc":"2.0","method":"exit"})";
  std::istringstream in("Content-Length: 5\r\n\r\n{\"a\xff\"" "Content-Length: " + std::to_string(richiesta.size()) +
                        "\r\n\r\n" + richiesta + "Content-Length: " + std::to_string(uscita.size()) + "\r\n\r\n" +
                        uscita);
  std::ostringstream out, log;
  EXPECT_EQ(esegui_server(in, out, log), 0);
  EXPECT_NE(out.str().find("-32700"), std::string::npos) << out.str();
  EXPECT_NE(out.str().find(R"({"jsonrpc":"2.0","id":1,"result":null})"), std::string::npos) << out.str();
  EXPECT_NE(log.str().find("unreadable"), std::string::npos);
}

TEST(Messaggi, ReadsTheFramingAndRefusesWhatItCannotFollow) {
  struct Caso {
    std::string ingresso;
    Lettura esito;
    std::string corpo;
  };
  const std::vector<Caso> casi = {
      {"Content-Length: 2\r\n\r\n{}", Lettura::kMessaggio, "{}"},
      {"content-length:2\r\nContent-Type: x\r\n\r\n[]", Lettura::kMessaggio, "[]"},
      {"\r\nContent-Length: 2\n\n{}", Lettura::kMessaggio, "{}"},
      {"Content-Length: 5\r\n\r\n{}", Lettura::kFine, ""},  // the stream ends inside the body
      {"Content-Length: x\r\n\r\n{}", Lettura::kFine, ""},
      {"Content-Type: x\r\n\r\n{}", Lettura::kFine, ""},   // no length: no body can be found
      {std::string(10000, 'a'), Lettura::kFine, ""},
      {"Content-Length: " + std::to_string(kMessaggioMassimo + 1) + "\r\n\r\n{}", Lettura::kFine, ""},
  };
  for (const Caso& c : casi) {
    std::istringstream in(c.ingresso);
    std::string corpo;
    EXPECT_EQ(leggi_messaggio(in, &corpo), c.esito) << c.ingresso.substr(0, 40);
    if (c.esito == Lettura::kMessaggio) {
      EXPECT_EQ(corpo, c.corpo);
    }
  }
}

TEST(Righe, CountsColumnsInUtf16Units) {
  // "è" is 2 bytes and 1 unit, "😀" 4 bytes and 2 units, a stray byte 1 and 1.
  const std::string riga = "a\xC3\xA8" "b\xF0\x9F\x98\x80" "c\xFF" "d";
  EXPECT_EQ(unita_utf16(riga, 3), 2u);
  EXPECT_EQ(unita_utf16(riga, 8), 5u);
  EXPECT_EQ(unita_utf16(riga, riga.size()), 8u);
  EXPECT_EQ(byte_di_unita(riga, 5), 8u);
  EXPECT_EQ(byte_di_unita(riga, 4), 4u);  // inside the pair: the character's start
  EXPECT_EQ(byte_di_carattere(riga, 4), 8u);
  const Righe r("uno\r\ndue\nultima");
  EXPECT_EQ(r.quante(), 3u);
  EXPECT_EQ(r.riga(0), "uno");
  EXPECT_EQ(r.riga(2), "ultima");
  EXPECT_EQ(r.riga(9), "");
}

TEST(Coppia, PairsByTheProgramsNaming) {
  EXPECT_EQ(descrizione_da_nome("/a/V_linea.txt"), Descrizione::kLinea);
  EXPECT_EQ(descrizione_da_nome("/a/V_x_101-.txt"), Descrizione::kTreno);
  EXPECT_EQ(descrizione_da_nome("/a/_linea.txt"), std::nullopt);
  EXPECT_EQ(descrizione_da_nome("/a/V-.txt"), std::nullopt);
  EXPECT_EQ(compagno("/a/V_x_101-.txt", {}), "/a/V_x_linea.txt");

  test::CartellaTemporanea c;
  c.scrivi("V_linea.txt", "");
  c.scrivi("V_202-.txt", "");
  c.scrivi("V_101-.txt", "");
  c.scrivi("W_100-.txt", "");
  EXPECT_EQ(compagno(c.file("V_linea.txt"), {}), c.file("V_101-.txt"));
  EXPECT_EQ(compagno(c.file("V_linea.txt"), {c.file("V_202-.txt")}), c.file("V_202-.txt")) << "the open one first";
  EXPECT_EQ(compagno(c.file("X_linea.txt"), {}), "");
  EXPECT_EQ(percorso_da_uri("file:///a/b%20c%C3%A8.txt"), "/a/b c\xC3\xA8.txt");
  EXPECT_EQ(uri_da_percorso("/a/b c.txt"), "file:///a/b%20c.txt");
  EXPECT_EQ(percorso_da_uri("untitled:1"), "");
}

// scenario.json pairs what the names do not, and outranks the names; a
// workspace file that is not the expected JSON pairs nothing and throws
// nothing.
TEST(Coppia, PairsByTheWorkspaceFile) {
  struct Caso {
    const char* impostazioni;
    const char* file;
    std::optional<Descrizione> descrizione;
    const char* compagno;
  };
  const std::vector<Caso> casi = {
      {R"({"pairs": [{"line": "a.txt", "train": "b.txt"}]})", "a.txt", Descrizione::kLinea, "b.txt"},
      {R"({"pairs": [{"line": "a.txt", "train": "b.txt"}]})", "b.txt", Descrizione::kTreno, "a.txt"},
      {R"({"pairs": [{"line": "V_7-.txt", "train": "b.txt"}]})", "V_7-.txt", Descrizione::kLinea, "b.txt"},
      {R"({"pairs": [{"line": "a.txt", "train": "b.txt"}]})", "c.txt", std::nullopt, ""},
      {R"({"pairs": [{"line": 1, "train": "b.txt"}, 7]})", "b.txt", std::nullopt, ""},
      {R"({"pairs": {"line": "a.txt"}})", "a.txt", std::nullopt, ""},
      {"{\"pairs\": [{\"line\": \"a.txt\xff", "a.txt", std::nullopt, ""},
      {"", "a.txt", std::nullopt, ""},
  };
  for (const Caso& caso : casi) {
    test::CartellaTemporanea c;
    c.scrivi("scenario.json", caso.impostazioni);
    EXPECT_EQ(descrizione_da_nome(c.file(caso.file)), caso.descrizione) << caso.impostazioni;
    const std::string atteso = *caso.compagno ? c.file(caso.compagno) : "";
    EXPECT_EQ(compagno(c.file(caso.file), {}), atteso) << caso.impostazioni;
  }
}

}  // namespace
}  // namespace scenario::lsp
