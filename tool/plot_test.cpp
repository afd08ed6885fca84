#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include <sys/socket.h>
#include <unistd.h>

#include "content/documenti.h"
#include "disegno/svg.h"
#include "model/file_compilati.h"
#include "model/nomi_file.h"
#include "model/scenario.h"
#include "model/stato.h"
#include "platform/uscita.h"
#include "tests/cartella_temporanea.h"
#include "tool/argomenti.h"
#include "tool/comandi.h"
#include "tool/nomi_ostili.h"

namespace scenario::tool {
namespace {

using test::CartellaTemporanea;

// The picture's reader (disegno/lettore_svg.py): one python3 started for all
// the pictures of a test run, not one per picture, and kept on a socket pair
// that is its standard input and output. It prints each picture's facts, one
// a line, "name<TAB>value", in route units, then "fine".
class LettoreSvg {
 public:
  // The one reader of this run; null when python3 cannot run it.
  static LettoreSvg* condiviso() {
    static LettoreSvg lettore;
    static const bool pronto = lettore.avvia();
    return pronto ? &lettore : nullptr;
  }

  // Facts by name, in the order printed; "errore" holds the reader's complaint.
  std::multimap<std::string, std::string> leggi(const std::string& svg) {
    std::multimap<std::string, std::string> fatti;
    const std::string richiesta = svg + "\n";
    if (::send(fd_, richiesta.data(), richiesta.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(richiesta.size())) {
      return {{"errore", "the reader is gone"}};
    }
    for (std::string riga; riga_letta(&riga);) {
      if (riga == "fine") return fatti;
      const size_t tab = riga.find('\t');
      fatti.emplace(riga.substr(0, tab), tab == std::string::npos ? "" : riga.substr(tab + 1));
    }
    return {{"errore", "the reader stopped before its answer ended"}};
  }

 private:
  bool avvia() {
    int coppia[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, coppia) != 0) return false;
    const std::string script = std::string(SCENARIO_SOURCE_DIR) + "/disegno/lettore_svg.py";
    const pid_t figlio = ::fork();
    if (figlio == 0) {
      ::dup2(coppia[1], 0);
      ::dup2(coppia[1], 1);
      ::execlp("python3", "python3", script.c_str(), static_cast<char*>(nullptr));
      ::_exit(127);
    }
    ::close(coppia[1]);
    fd_ = coppia[0];
    std::string pronto;
    // The process ends with the test run: its standard input closes, and its loop with it.
    return figlio > 0 && riga_letta(&pronto) && pronto == "pronto";
  }

  bool riga_letta(std::string* riga) {
    for (;;) {
      if (const size_t fine = letto_.find('\n'); fine != std::string::npos) {
        *riga = letto_.substr(0, fine);
        letto_.erase(0, fine + 1);
        return true;
      }
      char buffer[65536];
      const ssize_t n = ::recv(fd_, buffer, sizeof buffer, 0);
      if (n <= 0) return false;
      letto_.append(buffer, static_cast<size_t>(n));
    }
  }

  int fd_ = -1;
  std::string letto_;
};

std::multimap<std::string, std::string> leggi_svg(const std::string& svg) {
  LettoreSvg* lettore = LettoreSvg::condiviso();
  return lettore == nullptr ? std::multimap<std::string, std::string>{{"errore", "no reader"}} : lettore->leggi(svg);
}

std::vector<std::string> tutti(const std::multimap<std::string, std::string>& fatti, const std::string& nome) {
  std::vector<std::string> out;
  for (auto [da, a] = fatti.equal_range(nome); da != a; ++da) out.push_back(da->second);
  return out;
}

std::string uno(const std::multimap<std::string, std::string>& fatti, const std::string& nome) {
  auto it = fatti.find(nome);
  return it == fatti.end() ? "(missing)" : it->second;
}

Punto intero(int16_t v) { return Punto{TagPunto::kIntero, v, 0.0}; }
Punto reale(double v) { return Punto{TagPunto::kReale, 0, v}; }

// A line of 6000 m: plan rows 0 to 13000, cells 0 to 260. The track runs 2000 m
// north, turns east on a quarter circle of 1000 m radius and runs east to the
// last computed metre 12998, which lies at (1000 + 10998 - 500 pi, 3000).
struct Modello {
  Elementi elementi{};
  std::vector<Cella> celle = std::vector<Cella>(261);
  PuntiTracciato tracciato;
};

PuntiTracciato tracciato_di_prova() {
  constexpr double r = 1000, arco = std::numbers::pi / 2 * r;
  PuntiTracciato t;
  t.x.azzera(13001);
  t.y.azzera(13001);
  t.x.imposta(0, intero(0)), t.y.imposta(0, intero(0)), t.x.imposta(1, intero(0)), t.y.imposta(1, intero(1));
  for (size_t m = 2; m <= 12998; ++m) {
    const double d = static_cast<double>(m);
    if (d <= 2000) {
      t.x.imposta(m, reale(0)), t.y.imposta(m, reale(d));
    } else if (d <= 2000 + arco) {
      t.x.imposta(m, reale(r - r * std::cos((d - 2000) / r)));
      t.y.imposta(m, reale(2000 + r * std::sin((d - 2000) / r)));
    } else {
      t.x.imposta(m, reale(r + (d - 2000 - arco))), t.y.imposta(m, reale(2000 + r));
    }
  }
  return t;
}

void riempi(std::vector<Cella>& celle, size_t da, size_t a, uint8_t Cella::*campo, uint8_t valore) {
  for (size_t k = da; k <= a; ++k) celle[k].*campo = valore;
}

Modello modello_di_prova() {
  Modello m;
  Elementi& e = m.elementi;
  e[1].testo = "Alpha", e[1].dato3 = 0;
  e[2].testo = "Citt\xE0 & <Bivio>", e[2].dato3 = 2500;
  e[3].testo = "Omega", e[3].dato3 = 5500;
  e[5].testo = "Fantasma";  // after an empty row: not a station
  e[80].testo = "CARTELLO";
  e[kRigaProgressivaUno].dato2 = 5200;
  e[kRigaProgressivaDue] = Elemento{0, 3000, 44500, 1, 0, "", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  e[kRigaValoriCorsa].dato2 = 6000;
  e[kRigaLinea].testo = "Linea di prova";
  e[kRigaTreno].testo = "1234";

  std::vector<Cella>& c = m.celle;
  riempi(c, 0, 19, &Cella::velocita, 6);
  riempi(c, 20, 99, &Cella::velocita, 18);
  riempi(c, 100, 139, &Cella::velocita, 26);
  riempi(c, 140, 257, &Cella::velocita, 12);
  riempi(c, 10, 257, &Cella::pendenza, 100);
  riempi(c, 50, 79, &Cella::pendenza, 108);
  riempi(c, 80, 119, &Cella::pendenza, 94);
  riempi(c, 60, 69, &Cella::montagna, 1);
  riempi(c, 150, 159, &Cella::montagna, 3);
  for (size_t k : {size_t{24}, size_t{90}, size_t{200}}) c[k].tipo = kSegnale;
  // A slowdown to 60 km/h placed at 2000 m for 500 m: warning board in the
  // cell of 800 m, start in the cell of 2000 m, end in the cell of 2500 m.
  for (size_t k : {size_t{17}, size_t{41}, size_t{51}}) c[k].valore_a = 60;
  c[17].tipo = kAvvisoRallentamento, c[41].tipo = kInizioRallentamento, c[51].tipo = kFineRallentamento;
  const std::pair<size_t, int16_t> fermate[] = {{2, 1}, {52, 2}, {141, 3}};
  for (auto [k, riga] : fermate) c[k].tipo = kStazione, c[k].valore_a = riga;
  m.tracciato = tracciato_di_prova();
  return m;
}

const NomiFile kNomi("", "Prova", "1234");

void scrivi(const CartellaTemporanea& cartella, const Modello& m, bool con_tracciato) {
  cartella.scrivi(kNomi.nome_tabella(), codifica_elementi(m.elementi));
  cartella.scrivi(kNomi.nome_celle(), codifica_celle(m.celle));
  if (con_tracciato) cartella.scrivi(kNomi.nome_tracciato(), codifica_tracciato(m.tracciato));
}

struct Esito {
  int stato;
  std::string out, err;
};

Esito plot(const std::string& cartella, const std::string& svg, std::vector<std::string> altro = {}) {
  Args args = {"plot", cartella, "--line-name", "Prova", "--train-number", "1234", "-o", svg};
  args.insert(args.end(), altro.begin(), altro.end());
  std::ostringstream out, err;
  const int stato = esegui_tool(args, out, err);
  return {stato, out.str(), err.str()};
}

class PlotTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (LettoreSvg::condiviso() == nullptr) GTEST_SKIP() << "python3 with xml.etree is needed to read the picture back";
  }
  CartellaTemporanea cartella;
};

TEST_F(PlotTest, ThePictureShowsThePlanAndTheProfileOfTheModel) {
  scrivi(cartella, modello_di_prova(), true);
  const Esito e = plot(cartella.percorso(), cartella.file("prova.svg"));
  ASSERT_EQ(e.stato, 0) << e.err;
  const auto fatti = leggi_svg(cartella.file("prova.svg"));
  ASSERT_EQ(fatti.count("errore"), 0u) << uno(fatti, "errore");

  EXPECT_EQ(uno(fatti, "titolo"), "Line Linea di prova, train 1234");
  // From (0, 0) to the line's end at 6000 m, 3570.8 m after the quarter circle
  // began: no sample more than 10 m from the next; the margin is drawn apart.
  EXPECT_EQ(uno(fatti, "pianta"), "0 0 3429.2 3000\t10");
  EXPECT_EQ(tutti(fatti, "stazione"), (std::vector<std::string>{"Alpha", "Citt\u00E0 & <Bivio>", "Omega"}));
  // The signal at 9950 m lies in the margin.
  EXPECT_EQ(uno(fatti, "segnali-pianta"), "2");
  EXPECT_EQ(fatti.count("sovrapposte") + fatti.count("copre") + fatti.count("fuori"), 0u);
  EXPECT_EQ(uno(fatti, "copertura"), "x ok");

  // The profile ends with the line: the limit of 130 from 5 km runs to 6 km.
  EXPECT_EQ(uno(fatti, "velocita"), "0,30 1,30 1,90 5,90 5,130 6,130");
  EXPECT_EQ(tutti(fatti, "pendenza"), (std::vector<std::string>{"2.5 4 8", "4 6 -6"}));
  EXPECT_EQ(tutti(fatti, "pendenza-testo"), (std::vector<std::string>{"3.25 +8", "5 -6"}));
  EXPECT_EQ(tutti(fatti, "montagna"), (std::vector<std::string>{"3 3.5"}));
  EXPECT_EQ(tutti(fatti, "fermata"),
            (std::vector<std::string>{"0\tAlpha", "2.5\tCitt\u00E0 & <Bivio>", "5.5\tOmega"}));
  // A signal's cell is the one after its position: cells 24 and 90 hold the
  // signals at 1150 and 4450 m; cell 200's (9950 m) is past the end.
  EXPECT_EQ(uno(fatti, "segnali-profilo"), "1.15 4.45");
  EXPECT_EQ(tutti(fatti, "progressiva"), (std::vector<std::string>{"3\tkm 44+400 \u2193"}));
  // Posts count from km 5.2 at the start.
  EXPECT_EQ(tutti(fatti, "rallentamento"),
            (std::vector<std::string>{"slowdown to 60 km/h, 500 m from 2000 m, km 7+200",
                                      "warning board of the slowdown, 800 m, km 6+000"}));
  // The quarter circle turns right from 2000 m; it ends at 3570.8 m, within
  // the cell from 3550 m: 90 degrees over 1600 m of cells, 3200 / pi m radius.
  // The posts there count down from km 44.4 at 3000 m.
  EXPECT_EQ(tutti(fatti, "curva"), (std::vector<std::string>{
                                       "right curve, radius 1019 m, 90\u00B0, 2000 m, km 7+200 to 3600 m, km 43+800"}));
  EXPECT_EQ(uno(fatti, "legenda"),
            "track,beyond the end (not run),start,km post tick,right curve,left curve,speed limit,slowdown,"
            "slowdown warning,signal (kind),speed indicator,signpost,stop,no stop,uphill,downhill,mountain,"
            "km-post system begins");
}

TEST_F(PlotTest, WithoutAPlanOfThisLineThePictureHasTheProfileAlone) {
  Modello altra_lunghezza = modello_di_prova();
  altra_lunghezza.tracciato.x.ridimensiona(altra_lunghezza.tracciato.x.size() - 1);
  altra_lunghezza.tracciato.y.ridimensiona(altra_lunghezza.tracciato.y.size() - 1);
  struct Caso {
    const char* nome;
    bool con_tracciato;
    const Modello modello;
    bool avvisa;
  };
  const Caso casi[] = {
      {"no plan file", false, modello_di_prova(), false},
      {"a plan of another line length", true, altra_lunghezza, true},
  };
  for (const Caso& caso : casi) {
    SCOPED_TRACE(caso.nome);
    CartellaTemporanea c;
    scrivi(c, caso.modello, caso.con_tracciato);
    const Esito e = plot(c.percorso(), c.file("senza.svg"));
    EXPECT_EQ(e.stato, 0);
    EXPECT_EQ(e.err, caso.avvisa ? "scenario-tool: warning: " + c.file("Prova_linea.dat") +
                                       " holds 13000 metres, the line length of 6000 m gives 13001; drawing the "
                                       "profile alone\n"
                                 : "");
    const auto fatti = leggi_svg(c.file("senza.svg"));
    ASSERT_EQ(fatti.count("errore"), 0u) << uno(fatti, "errore");
    EXPECT_EQ(fatti.count("pianta"), 0u);
    EXPECT_EQ(fatti.count("stazione"), 0u);
    EXPECT_EQ(uno(fatti, "velocita"), "0,30 1,30 1,90 5,90 5,130 6,130");
    EXPECT_EQ(tutti(fatti, "fermata").size(), 3u);
  }
}

// Each hostile name as a station's and a signpost's text: the picture stays
// well-formed XML, which the reader's parser would refuse otherwise.
TEST_F(PlotTest, HostileNamesLeaveThePictureWellFormed) {
  for (const NomeOstile& o : nomi_ostili()) {
    SCOPED_TRACE(o.caso);
    CartellaTemporanea c;
    scrivi_modello_ostile(c, kNomi, o.nome);
    const Esito e = plot(c.percorso(), c.file("ostile.svg"));
    ASSERT_EQ(e.stato, 0) << e.err;
    const auto fatti = leggi_svg(c.file("ostile.svg"));
    EXPECT_EQ(fatti.count("errore"), 0u) << uno(fatti, "errore");
    EXPECT_NE(uno(fatti, "titolo").find("Prova"), std::string::npos);
  }
}

TEST_F(PlotTest, ValuesOutsideTheirRangesAreLeftOutNotDrawnOutsideTheArrays) {
  Modello m = modello_di_prova();
  m.elementi[1].dato3 = -50;       // before the plan
  m.elementi[3].dato3 = 2000000;   // beyond it
  m.elementi[2].testo = std::string("Ctrl\x01\x1F", 6);
  m.celle[52].valore_a = 500;      // a stop naming no table row
  m.celle[141].valore_a = -1;
  m.elementi[kRigaProgressivaTre] = Elemento{0, 900000, 100, 0, 0, "", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  scrivi(cartella, m, true);
  const Esito e = plot(cartella.percorso(), cartella.file("bordi.svg"));
  ASSERT_EQ(e.stato, 0) << e.err;
  const auto fatti = leggi_svg(cartella.file("bordi.svg"));
  ASSERT_EQ(fatti.count("errore"), 0u) << uno(fatti, "errore");
  EXPECT_EQ(tutti(fatti, "stazione"), (std::vector<std::string>{"Ctrl\uFFFD\uFFFD"}));
  EXPECT_EQ(tutti(fatti, "fermata"), (std::vector<std::string>{"2.5\tCtrl\uFFFD\uFFFD"}));
  EXPECT_EQ(tutti(fatti, "progressiva").size(), 1u);
  EXPECT_EQ(uno(fatti, "pianta"), "0 0 3429.2 3000\t10");
}

// The scenario itself, compiled from its own description texts by the tool's
// compile path and drawn.
TEST_F(PlotTest, TheScenarioPictureShowsItsStationsSignalsAndSpeeds) {
  if (righe_linea().empty()) GTEST_SKIP() << "the scenario's line description is not written yet";
  const NomiFile nomi(cartella.percorso(), std::string(kNomeLinea), std::string(kNumeroTreno));
  ASSERT_TRUE(dati_linea(nomi).ok());
  ASSERT_TRUE(dati_treno(nomi).ok());
  std::ostringstream compile_out, compile_err;
  ASSERT_EQ(esegui_tool({"compile", nomi.descrizione_linea(), nomi.descrizione_treno(), "-o", cartella.file("compilato")},
                        compile_out, compile_err),
            0)
      << compile_err.str();

  std::ostringstream out, err;
  ASSERT_EQ(esegui_tool({"plot", cartella.file("compilato"), "-o", cartella.file("scenario.svg")}, out, err), 0)
      << err.str();
  const auto fatti = leggi_svg(cartella.file("scenario.svg"));
  ASSERT_EQ(fatti.count("errore"), 0u) << uno(fatti, "errore");
  EXPECT_EQ(uno(fatti, "pianta").substr(0, 4), "0 0 ");
  const std::vector<std::string> etichette = {
      "MILANO P.GENOVA 18:00", "MILANO S.CRISTOFORO", "CORSICO", "TREZZANO", "GAGGIANO", "ABBIATEGRASSO 18:15",
      "VIGEVANO 18:23", "PARONA", "MORTARA 18:35", "OLEVANO", "VALLE LOMELLINA", "SARTIRANA", "TORREBERETTI",
      "VALENZA 18:51", "VALMADONNA", "ALESSANDRIA 19:02"};
  EXPECT_EQ(tutti(fatti, "stazione"), etichette);
  EXPECT_EQ(uno(fatti, "segnali-pianta"), "32");
  EXPECT_EQ(fatti.count("sovrapposte") + fatti.count("copre") + fatti.count("fuori"), 0u)
      << "overlapping: " << ::testing::PrintToString(tutti(fatti, "sovrapposte"))
      << " covering the track: " << ::testing::PrintToString(tutti(fatti, "copre"));
  EXPECT_EQ(uno(fatti, "copertura").substr(2), "ok");
  // Types 26 to 28 pass without stopping.
  EXPECT_EQ(tutti(fatti, "fermata").size(), 12u);
  EXPECT_EQ(tutti(fatti, "transito"), (std::vector<std::string>{"8.75\tTREZZANO", "49.15\tOLEVANO",
                                                                 "56.25\tVALLE LOMELLINA", "78.65\tVALMADONNA"}));

  // The limits of the train description in their order, up to the line's end.
  std::vector<std::string> velocita;
  std::istringstream punti(uno(fatti, "velocita"));
  for (std::string punto; punti >> punto;) {
    const std::string kmh = punto.substr(punto.find(',') + 1);
    if (velocita.empty() || velocita.back() != kmh) velocita.push_back(kmh);
  }
  EXPECT_EQ(velocita, (std::vector<std::string>{"30", "90", "130", "100", "130", "60", "125", "75"}));
  EXPECT_EQ(punti.str().substr(punti.str().rfind(' ') + 1), "88,75");
  // "curvad6, 100, 400": 400 steps each turning by atan(0.003), 68.75 degrees
  // in all, radius 400 m / 1.2 = 333 m.
  EXPECT_EQ(tutti(fatti, "curva").at(0), "right curve, radius 333 m, 68.8\u00B0, 100 m, km 5+300 to 500 m, km 5+700");
  // 61 signposts, less the one whose cell TORREBERETTI's stop took.
  EXPECT_EQ(uno(fatti, "cartelli"), "60");
}

// Five stations 1 km apart on a straight east-west line of 40 km: 34 px
// apart in the picture, so most labels must stand off their points.
TEST_F(PlotTest, CrowdedStationsGetLabelsThatCoverNeitherEachOtherNorTheTrack) {
  Modello m;
  m.celle = std::vector<Cella>(941);  // 47000 / 50 + 1
  m.elementi[kRigaValoriCorsa].dato2 = 40000;
  const char* nomi[] = {"PRIMA STAZIONE", "SECONDA STAZIONE", "TERZA STAZIONE", "QUARTA STAZIONE", "QUINTA STAZIONE"};
  for (int i = 0; i < 5; ++i) m.elementi[static_cast<size_t>(1 + i)].testo = nomi[i], m.elementi[static_cast<size_t>(1 + i)].dato3 = 1000 * (i + 1);
  m.tracciato.x.azzera(47001);
  m.tracciato.y.azzera(47001);
  for (size_t metro = 0; metro <= 47000; ++metro) {
    m.tracciato.x.imposta(metro, reale(static_cast<double>(metro)));
    m.tracciato.y.imposta(metro, intero(0));
  }
  scrivi(cartella, m, true);
  const Esito e = plot(cartella.percorso(), cartella.file("affollato.svg"));
  ASSERT_EQ(e.stato, 0) << e.err;
  const auto fatti = leggi_svg(cartella.file("affollato.svg"));
  ASSERT_EQ(fatti.count("errore"), 0u) << uno(fatti, "errore");
  EXPECT_EQ(tutti(fatti, "stazione"), std::vector<std::string>(std::begin(nomi), std::end(nomi)));
  EXPECT_EQ(fatti.count("sovrapposte") + fatti.count("copre") + fatti.count("fuori"), 0u)
      << "overlapping: " << ::testing::PrintToString(tutti(fatti, "sovrapposte"))
      << " covering the track: " << ::testing::PrintToString(tutti(fatti, "copre"));
  EXPECT_EQ(uno(fatti, "copertura"), "x ok");
}

TEST(PlotErrors, RefusedInputsAndCommandLinesEndWithTheirStatus) {
  CartellaTemporanea c;
  const Modello m = modello_di_prova();
  Modello corto = m;
  corto.celle.pop_back();
  struct Caso {
    const char* nome;
    std::vector<std::pair<std::string, std::string>> file;  // name, content
    std::vector<std::string> args;                         // after "plot"
    int stato;
    std::string err_inizia;
  };
  const std::string tabella = codifica_elementi(m.elementi), celle = codifica_celle(m.celle);
  PuntiTracciato con_nan = m.tracciato;
  con_nan.x.imposta(7000, reale(std::nan("")));
  const std::string piano_nan = codifica_tracciato(con_nan);
  const std::string d = c.percorso() + "/";
  const std::vector<std::string> normali = {c.percorso(), "--line-name", "Prova", "--train-number", "1234", "-o",
                                            d + "out.svg"};
  const std::vector<Caso> casi = {
      {"no table file", {{"Prova_1234.dat", celle}}, normali, kUscitaFileSystem,
       "scenario-tool: cannot open " + d + "Prova_1234.sim"},
      {"no cell file", {{"Prova_1234.sim", tabella}}, normali, kUscitaFileSystem,
       "scenario-tool: cannot open " + d + "Prova_1234.dat"},
      {"a table cut short", {{"Prova_1234.sim", tabella.substr(0, 100)}, {"Prova_1234.dat", celle}}, normali,
       kUscitaDatiNonValidi, "scenario-tool: " + d + "Prova_1234.sim is not a compiled table file: offset "},
      {"cells of a broken size", {{"Prova_1234.sim", tabella}, {"Prova_1234.dat", celle + "x"}}, normali,
       kUscitaDatiNonValidi, "scenario-tool: " + d + "Prova_1234.dat is not a compiled cell file: offset "},
      {"cells of another line length", {{"Prova_1234.sim", tabella}, {"Prova_1234.dat", codifica_celle(corto.celle)}},
       normali, kUscitaDatiNonValidi,
       "scenario-tool: " + d + "Prova_1234.dat is not a compiled cell file of this table: it holds 260 cells, the "
                               "line length of 6000 m gives 261"},
      {"a broken plan", {{"Prova_1234.sim", tabella}, {"Prova_1234.dat", celle}, {"Prova_linea.dat", "\x07"}},
       normali, kUscitaDatiNonValidi, "scenario-tool: " + d + "Prova_linea.dat is not a compiled track-plan file: "},
      {"an empty cell file", {{"Prova_1234.sim", tabella}, {"Prova_1234.dat", ""}}, normali, kUscitaDatiNonValidi,
       "scenario-tool: " + d + "Prova_1234.dat is not a compiled cell file: it is empty\n"},
      // Metres 0 and 1 are 16-bit integers, 2 to 6999 floats: metre 7000 begins at
      // byte 2 * 4 + 6998 * 10.
      {"a plan holding NaN", {{"Prova_1234.sim", tabella}, {"Prova_1234.dat", celle}, {"Prova_linea.dat", piano_nan}},
       normali, kUscitaDatiNonValidi,
       "scenario-tool: " + d + "Prova_linea.dat is not a compiled track-plan file: offset " +
           std::to_string(2 * 4 + (7000 - 2) * 10) + ": metre 7000 of column x holds NaN"},
      {"no names and two scenarios", {{"Prova_1234.sim", tabella}, {"Prova_1234.dat", celle}, {"Altra_1.sim", tabella}},
       {c.percorso(), "-o", d + "out.svg"}, kUscitaFileSystem,
       "scenario-tool: " + c.percorso() + " holds 2 scenarios; choose one with:"},
      {"no names and no scenario", {{"Prova_1234.dat", celle}}, {c.percorso(), "-o", d + "out.svg"}, kUscitaFileSystem,
       "scenario-tool: no compiled scenario (a NAME_NUM.sim table file) in " + c.percorso()},
      {"no DIR", {}, {"-o", d + "out.svg"}, kUscitaUso, "scenario-tool: expected one DIR; try 'scenario-tool plot --help'\n"},
      {"no -o", {}, {c.percorso()}, kUscitaUso, "scenario-tool: -o FILE.svg is required; try 'scenario-tool plot --help'\n"},
      {"-o without its value", {}, {c.percorso(), "-o"}, kUscitaUso, "scenario-tool: option -o needs a value; try 'scenario-tool plot --help'\n"},
      {"unknown option", {}, {c.percorso(), "--all"}, kUscitaUso, "scenario-tool: unknown option --all; try 'scenario-tool plot --help'\n"},
  };
  for (const Caso& caso : casi) {
    SCOPED_TRACE(caso.nome);
    for (const auto& entry : std::filesystem::directory_iterator(c.percorso())) std::filesystem::remove(entry);
    for (const auto& [nome, contenuto] : caso.file) c.scrivi(nome, contenuto);
    Args args = {"plot"};
    args.insert(args.end(), caso.args.begin(), caso.args.end());
    std::ostringstream out, err;
    EXPECT_EQ(esegui_tool(args, out, err), caso.stato);
    EXPECT_EQ(err.str().substr(0, caso.err_inizia.size()), caso.err_inizia) << err.str();
    EXPECT_FALSE(c.esiste("out.svg"));
    EXPECT_EQ(out.str(), "");
  }
}

TEST(PlotErrors, AnUnwritablePictureFailsAndLeavesNoFile) {
  CartellaTemporanea c;
  scrivi(c, modello_di_prova(), true);
  const Esito e = plot(c.percorso(), c.file("manca/prova.svg"));
  EXPECT_EQ(e.stato, kUscitaFileSystem);
  EXPECT_NE(e.err.find(c.file("manca/prova.svg")), std::string::npos) << e.err;
  EXPECT_FALSE(c.esiste("manca"));
}

TEST(PlotErrors, HelpAndVersionPrintAndSucceed) {
  for (const char* opzione : {"--help", "--version"}) {
    std::ostringstream out, err;
    EXPECT_EQ(esegui_tool({"plot", opzione}, out, err), 0);
    EXPECT_EQ(out.str().substr(0, 13), opzione == std::string("--help") ? "usage: scenar" : "scenario-tool");
    EXPECT_EQ(err.str(), "");
  }
}

TEST(Svg, NumbersArePlainDecimalsAndTextsAreEscaped) {
  const std::pair<double, const char*> numeri[] = {
      {0, "0"}, {-0.0001, "0"}, {1.5, "1.5"}, {2, "2"}, {-2.25, "-2.25"}, {12345678, "12345678"},
      {100, "100"}, {0.1 + 0.2, "0.3"}, {std::nan(""), "0"}, {HUGE_VAL, "0"},
  };
  for (auto [v, atteso] : numeri) EXPECT_EQ(numero_svg(v), atteso) << v;
  EXPECT_EQ(numero_svg(1.0 / 3, 6), "0.333333");
  EXPECT_EQ(xml_escape("a&b<c>\"d'"), "a&amp;b&lt;c&gt;&quot;d&apos;");
  EXPECT_EQ(xml_escape(std::string("x\x00y\ttab\x1F", 8)), "x\uFFFDy\ttab\uFFFD");
  EXPECT_EQ(xml_escape("Citt\u00E0"), "Citt\u00E0");
  // Bytes that are not UTF-8 (an 8-bit text not converted) and a noncharacter.
  EXPECT_EQ(xml_escape("a\xE0z\xEF\xBF\xBE"), "a\uFFFDz\uFFFD");
}

}  // namespace
}  // namespace scenario::tool
