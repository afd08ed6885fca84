// Hostile names through every command that shows them: on a terminal no
// control byte arrives raw and no line is forged, JSON stays JSON with the
// name read back whole, and the page's markup cannot be closed by a name.
// (The picture's XML is read back by a real parser in plot_test.cpp.)
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "model/nomi_file.h"
#include "testi/testo.h"
#include "testi/windows_1252.h"
#include "tests/cartella_temporanea.h"
#include "tool/nomi_ostili.h"
#include "tool/prova_tool.h"

namespace scenario::tool {
namespace {

using test::CartellaTemporanea;

// Where a text would act on a terminal: a control byte other than the line
// ends of the output itself, DEL, a C1 control in UTF-8 form, or a byte that
// is not UTF-8. Empty when there is none.
std::string controllo_grezzo(const std::string& testo) {
  for (size_t i = 0; i < testo.size();) {
    uint32_t c = 0;
    const size_t n = leggi_utf8(testo, i, &c);
    if (n == 0) return "byte not UTF-8 at " + std::to_string(i);
    if ((c < 0x20 && c != '\n') || (c >= 0x7F && c < 0xA0)) return "control at " + std::to_string(i);
    i += n;
  }
  return "";
}

// The lines of a text that start with `inizio`.
size_t righe_che_iniziano(const std::string& testo, const std::string& inizio) {
  size_t quante = 0;
  for (size_t at = 0; at < testo.size();) {
    if (testo.compare(at, inizio.size(), inizio) == 0) ++quante;
    const size_t fine = testo.find('\n', at);
    if (fine == std::string::npos) break;
    at = fine + 1;
  }
  return quante;
}

const NomiFile kNomi("", "Prova", "7");

TEST(NomiOstili, NoCommandPrintsOrPagesAHostileNameRaw) {
  for (const NomeOstile& o : nomi_ostili()) {
    SCOPED_TRACE(o.caso);
    CartellaTemporanea c;
    scrivi_modello_ostile(c, kNomi, o.nome);
    const std::string tabella = c.file(kNomi.nome_tabella());

    // dump as text: each row shown on one line of its own.
    const Uscita dump = esegui({"dump", tabella});
    ASSERT_EQ(dump.stato, 0) << dump.err;
    EXPECT_EQ(controllo_grezzo(dump.out), "") << dump.out;
    // Rows 0, 1 and 80, and 84 to 86 (the run's values, the line's and the train's).
    EXPECT_EQ(righe_che_iniziano(dump.out, "row "), 6u) << dump.out;
    EXPECT_EQ(righe_che_iniziano(dump.out, "row 99"), 0u) << dump.out;

    // dump as JSON: parsed, and the name comes back as its characters.
    const Uscita json = esegui({"dump", tabella, "--json"});
    ASSERT_EQ(json.stato, 0) << json.err;
    EXPECT_EQ(controllo_grezzo(json.out), "");
    const auto letto = nlohmann::json::parse(json.out, nullptr, false);
    ASSERT_FALSE(letto.is_discarded()) << json.out;
    EXPECT_EQ(letto["rows"][1]["testo"], utf8(o.nome));

    // decompile: the texts are written and row 0 (which no compile writes)
    // is listed with the name; the listing keeps one line per difference.
    const Uscita dec = esegui({"decompile", c.percorso(), "-o", c.file("testi")});
    EXPECT_EQ(controllo_grezzo(dec.out + dec.err), "") << dec.out << dec.err;
    EXPECT_NE(dec.out.find(kNomi.nome_tabella() + ", row 0, testo: expected \""), std::string::npos) << dec.out;
    EXPECT_EQ(righe_che_iniziano(dec.out, "row 99"), 0u) << dec.out;

    // view: two scripts (the data and the code), the name's markup never raw.
    const Uscita vista = esegui({"view", c.percorso(), "-o", c.file("vista.html")});
    ASSERT_EQ(vista.stato, 0) << vista.err;
    const std::string pagina = c.leggi("vista.html");
    size_t script = 0;
    for (size_t i = pagina.find("<script"); i != std::string::npos; i = pagina.find("<script", i + 1)) ++script;
    EXPECT_EQ(script, 2u);
    EXPECT_EQ(pagina.find("<img"), std::string::npos);
    EXPECT_EQ(pagina.find("<E>"), std::string::npos);
    EXPECT_EQ(controllo_grezzo(pagina), "");
  }
}

// A description's line holding the same bytes, quoted by check's diagnostic
// of its unknown key: escaped on the terminal, whole in the JSON.
TEST(NomiOstili, TheDiagnosticsQuoteAHostileLineEscaped) {
  for (const NomeOstile& o : nomi_ostili()) {
    if (o.nome.find_first_of("\r\n") != std::string::npos) continue;  // a line of a description cannot hold them
    SCOPED_TRACE(o.caso);
    // In a folder whose name is UTF-8, which the JSON keeps as it is.
    CartellaTemporanea base;
    const std::string cartella = base.file("citt\xC3\xA0");
    std::filesystem::create_directory(test::percorso_fs(cartella));
    base.scrivi("citt\xC3\xA0/l.txt", "[generale]\r\nlunghezza percorso,  10000\r\n" + o.nome + ",  5\r\n[fine]\r\n");
    base.scrivi("citt\xC3\xA0/t.txt", "[generale]\r\n[fine]\r\n");
    const std::string linea = cartella + "/l.txt", treno = cartella + "/t.txt";
    const Uscita testo = esegui({"check", linea, treno});
    EXPECT_NE(testo.err.find("l.txt:3:"), std::string::npos) << testo.err;
    EXPECT_EQ(controllo_grezzo(testo.out + testo.err), "") << testo.err;
    const Uscita json = esegui({"check", linea, treno, "--json"});
    EXPECT_EQ(controllo_grezzo(json.out + json.err), "") << json.out;
    // The JSON document follows the summary line.
    const size_t inizio = json.out.find('{');
    ASSERT_NE(inizio, std::string::npos) << json.out;
    const auto letto = nlohmann::json::parse(json.out.substr(inizio), nullptr, false);
    ASSERT_FALSE(letto.is_discarded()) << json.out;
    EXPECT_EQ(letto["warnings"][0]["file"], linea) << json.out;
  }
}

}  // namespace
}  // namespace scenario::tool
