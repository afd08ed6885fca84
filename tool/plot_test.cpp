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

#include "content/documenti.h"
#include "driver/form_load.h"
#include "driver/nomi_file.h"
#include "driver/scenario.h"
#include "model/file_compilati.h"
#include "model/stato.h"
#include "tests/cartella_temporanea.h"
#include "tool/argomenti.h"
#include "tool/comandi.h"
#include "tool/compilazione.h"
#include "tool/svg.h"

namespace scenario::tool {
namespace {

using test::CartellaTemporanea;

// Reads a picture back with a real XML parser and prints what it shows, one
// fact a line, in route units: each view's data- attributes turn pixels back
// into plan metres, km, km/h and per mille.
constexpr const char* kLettore = R"PY(
import sys, xml.etree.ElementTree as ET
S = '{http://www.w3.org/2000/svg}'
root = ET.parse(sys.argv[1]).getroot()
def g(s): return round(float(s), 3) + 0
def fmt(v): return '%g' % v
def punti(el): return [tuple(map(float, p.split(','))) for p in el.get('points').split()]
def trova(parent, tag, id): return next((e for e in parent.iter(S + tag) if e.get('id') == id), None)
def gruppi(parent, classe): return [e for e in parent.iter(S + 'g') if e.get('class') == classe]
def dedup(vals): return [v for i, v in enumerate(vals) if i == 0 or v != vals[i - 1]]
print('titolo\t' + trova(root, 'text', 'titolo').text)
pianta = trova(root, 'g', 'vista-pianta')
if pianta is not None:
    ox, oy, s = (float(pianta.get(a)) for a in ('data-origine-x', 'data-origine-y', 'data-scala'))
    pp = [((x - ox) / s, (oy - y) / s) for x, y in punti(trova(pianta, 'polyline', 'pianta'))]
    passo = max(((a[0] - b[0]) ** 2 + (a[1] - b[1]) ** 2) ** 0.5 for a, b in zip(pp, pp[1:]))
    print('pianta\t' + ' '.join(fmt(round(v, 1) + 0) for v in pp[0] + pp[-1]) + '\t' + fmt(round(passo, 1)))
    for st in gruppi(pianta, 'stazione'): print('stazione\t' + st.find(S + 'text').text)
    print('segnali-pianta\t%d' % len(gruppi(pianta, 'segnale')))
elif trova(root, 'polyline', 'pianta') is not None:
    print('pianta\tfuori dalla vista')
p = trova(root, 'g', 'vista-profilo')
ox, km, zv, kmh, zp, pm = (float(p.get(a)) for a in ('data-origine-x', 'data-px-per-km', 'data-zero-velocita',
                                                    'data-px-per-kmh', 'data-zero-pendenza', 'data-px-per-permille'))
def x_km(x): return fmt(g((x - ox) / km))
print('velocita\t' + ' '.join(x_km(x) + ',' + fmt(round((zv - y) / kmh, 1) + 0) for x, y in punti(trova(p, 'polyline', 'velocita'))))
print('pendenza\t' + ' '.join(fmt(v) for v in dedup([round((zp - y) / pm, 1) + 0 for x, y in punti(trova(p, 'polygon', 'pendenza'))])))
for r in p.iter(S + 'rect'):
    if r.get('class') == 'montagna': print('montagna\t' + x_km(float(r.get('x'))) + ' ' + x_km(float(r.get('x')) + float(r.get('width'))))
for f in gruppi(p, 'fermata'):
    t = f.find(S + 'text')
    print('fermata\t' + x_km(float(f.find(S + 'line').get('x1'))) + '\t' + (t.text if t is not None else ''))
print('segnali-profilo\t' + ' '.join(x_km(float(s.find(S + 'path').get('d')[1:].split()[0]) + 4) for s in gruppi(p, 'segnale')))
for classe in ('progressiva', 'fine-linea'):
    for f in gruppi(p, classe): print(classe + '\t' + x_km(float(f.find(S + 'line').get('x1'))) + '\t' + f.find(S + 'text').text)
)PY";

bool python_disponibile() { return std::system("python3 -c 'import xml.etree.ElementTree' >/dev/null 2>&1") == 0; }

// Facts by name, in the order printed; "errore" holds the parser's complaint.
std::multimap<std::string, std::string> leggi_svg(const CartellaTemporanea& cartella, const std::string& svg) {
  cartella.scrivi("lettore.py", kLettore);
  const std::string comando = "python3 '" + cartella.file("lettore.py") + "' '" + svg + "' 2>&1";
  std::multimap<std::string, std::string> fatti;
  FILE* p = ::popen(comando.c_str(), "r");
  if (p == nullptr) return {{"errore", "cannot run python3"}};
  std::string testo;
  char buffer[4096];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, p)) > 0;) testo.append(buffer, n);
  if (::pclose(p) != 0) return {{"errore", testo}};
  std::istringstream righe(testo);
  for (std::string riga; std::getline(righe, riga);) {
    const size_t tab = riga.find('\t');
    fatti.emplace(riga.substr(0, tab), tab == std::string::npos ? "" : riga.substr(tab + 1));
  }
  return fatti;
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
  Tracciato tracciato;
};

Tracciato tracciato_di_prova() {
  constexpr double r = 1000, arco = std::numbers::pi / 2 * r;
  Tracciato t;
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
    if (!python_disponibile()) GTEST_SKIP() << "python3 with xml.etree is needed to read the picture back";
  }
  CartellaTemporanea cartella;
};

TEST_F(PlotTest, ThePictureShowsThePlanAndTheProfileOfTheModel) {
  scrivi(cartella, modello_di_prova(), true);
  const Esito e = plot(cartella.percorso(), cartella.file("prova.svg"));
  ASSERT_EQ(e.stato, 0) << e.err;
  const auto fatti = leggi_svg(cartella, cartella.file("prova.svg"));
  ASSERT_EQ(fatti.count("errore"), 0u) << uno(fatti, "errore");

  EXPECT_EQ(uno(fatti, "titolo"), "Line Linea di prova, train 1234");
  // From (0, 0) to the last computed metre, no sample more than 10 m from the next.
  EXPECT_EQ(uno(fatti, "pianta"), "0 0 10427.2 3000\t10");
  EXPECT_EQ(tutti(fatti, "stazione"), (std::vector<std::string>{"Alpha", "Citt\u00E0 & <Bivio>", "Omega"}));
  EXPECT_EQ(uno(fatti, "segnali-pianta"), "3");

  EXPECT_EQ(uno(fatti, "velocita"), "0,30 1,30 1,90 5,90 5,130 7,130 7,60 12.9,60 12.9,0 13.05,0");
  // Cells 0 to 9 have no gradient (level), 10 to 49 are level, then +8 and -6.
  EXPECT_EQ(uno(fatti, "pendenza"), "0 8 -6 0");
  EXPECT_EQ(tutti(fatti, "montagna"), (std::vector<std::string>{"3 3.5", "7.5 8"}));
  EXPECT_EQ(tutti(fatti, "fermata"),
            (std::vector<std::string>{"0.1\tAlpha", "2.6\tCitt\u00E0 & <Bivio>", "7.05\tOmega"}));
  EXPECT_EQ(uno(fatti, "segnali-profilo"), "1.2 4.5 10");
  EXPECT_EQ(tutti(fatti, "progressiva"),
            (std::vector<std::string>{"0\tkm 5.200, increasing", "3\tkm 44.400, decreasing"}));
  EXPECT_EQ(uno(fatti, "fine-linea"), "6\tend of line");
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
    const auto fatti = leggi_svg(c, c.file("senza.svg"));
    ASSERT_EQ(fatti.count("errore"), 0u) << uno(fatti, "errore");
    EXPECT_EQ(fatti.count("pianta"), 0u);
    EXPECT_EQ(fatti.count("stazione"), 0u);
    EXPECT_EQ(uno(fatti, "velocita"), "0,30 1,30 1,90 5,90 5,130 7,130 7,60 12.9,60 12.9,0 13.05,0");
    EXPECT_EQ(tutti(fatti, "fermata").size(), 3u);
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
  const auto fatti = leggi_svg(cartella, cartella.file("bordi.svg"));
  ASSERT_EQ(fatti.count("errore"), 0u) << uno(fatti, "errore");
  EXPECT_EQ(tutti(fatti, "stazione"), (std::vector<std::string>{"Ctrl\uFFFD\uFFFD"}));
  EXPECT_EQ(tutti(fatti, "fermata"), (std::vector<std::string>{"0.1\tAlpha", "2.6\t", "7.05\t"}));
  EXPECT_EQ(tutti(fatti, "progressiva").size(), 2u);
  EXPECT_EQ(uno(fatti, "pianta"), "0 0 10427.2 3000\t10");
}

// The scenario itself, compiled from its own description texts by the tool's
// compile path and drawn.
TEST_F(PlotTest, TheScenarioPictureShowsItsStationsSignalsAndSpeeds) {
  if (righe_linea().empty()) GTEST_SKIP() << "the scenario's line description is not written yet";
  Compilatore testi;
  testi.cartella = cartella.percorso();
  testi.nome_linea = kNomeLinea;
  testi.numero_treno = kNumeroTreno;
  ASSERT_TRUE(dati_linea(testi).ok());
  ASSERT_TRUE(dati_treno(testi).ok());
  const NomiFile nomi(cartella.percorso(), testi.nome_linea, testi.numero_treno);
  RichiestaCompilazione richiesta;
  richiesta.linea = nomi.descrizione_linea();
  richiesta.treno = nomi.descrizione_treno();
  richiesta.destinazione = cartella.file("compilato");
  const RisultatoCompilazione compilato = compila(richiesta);
  ASSERT_EQ(compilato.errore, "");
  ASSERT_EQ(compilato.file.size(), 3u);

  std::ostringstream out, err;
  ASSERT_EQ(esegui_tool({"plot", cartella.file("compilato"), "-o", cartella.file("scenario.svg")}, out, err), 0)
      << err.str();
  const auto fatti = leggi_svg(cartella, cartella.file("scenario.svg"));
  ASSERT_EQ(fatti.count("errore"), 0u) << uno(fatti, "errore");
  EXPECT_EQ(uno(fatti, "pianta").substr(0, 4), "0 0 ");
  EXPECT_EQ(tutti(fatti, "stazione"),
            (std::vector<std::string>{"MILANO P.GENOVA", "MILANO S.CRISTOFORO", "CORSICO", "TREZZANO", "GAGGIANO",
                                      "ABBIATEGRASSO", "VIGEVANO", "PARONA", "MORTARA", "OLEVANO", "VALLE LOMELLINA",
                                      "SARTIRANA", "TORREBERETTI", "VALENZA", "VALMADONNA", "ALESSANDRIA"}));
  EXPECT_EQ(uno(fatti, "segnali-pianta"), "32");

  // The limits of the train description in their order, then the last three
  // cells, which no limit reaches.
  std::vector<std::string> velocita;
  std::istringstream punti(uno(fatti, "velocita"));
  for (std::string punto; punti >> punto;) {
    const std::string kmh = punto.substr(punto.find(',') + 1);
    if (velocita.empty() || velocita.back() != kmh) velocita.push_back(kmh);
  }
  EXPECT_EQ(velocita, (std::vector<std::string>{"30", "90", "130", "100", "130", "60", "125", "75", "0"}));
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
  Tracciato con_nan = m.tracciato;
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
      {"the default names", {{"Prova_1234.sim", tabella}, {"Prova_1234.dat", celle}}, {c.percorso(), "-o", d + "o.svg"},
       kUscitaFileSystem, "scenario-tool: cannot open " + d + "MilanoPGen-Alessandria_2635.sim"},
      {"no DIR", {}, {"-o", d + "out.svg"}, kUscitaUso, "scenario-tool: expected one DIR\nusage: scenario-tool plot"},
      {"no -o", {}, {c.percorso()}, kUscitaUso, "scenario-tool: -o FILE.svg is required\nusage: scenario-tool plot"},
      {"-o without its value", {}, {c.percorso(), "-o"}, kUscitaUso, "scenario-tool: option -o needs a value\n"},
      {"unknown option", {}, {c.percorso(), "--all"}, kUscitaUso, "scenario-tool: unknown option --all\n"},
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
}

}  // namespace
}  // namespace scenario::tool
