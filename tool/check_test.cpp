// scenario-tool check and compile on pairs with the mistakes authors make:
// every fault of a pair in one run, each at its line with its severity and a
// hint, nothing lost in silence, and a compile that writes nothing faulty.
#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <vector>

#include "driver/compila_testi.h"
#include "model/file_compilati.h"
#include "tests/cartella_temporanea.h"
#include "tests/linea_di_prova.h"
#include "tests/strumentato.h"
#include "tool/argomenti.h"
#include "tool/prova_tool.h"

namespace scenario::tool {
namespace {

using test::CartellaTemporanea;

double secondi_di_processore() {
  timespec t{};
  ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// A line of 10000 m: cells 0 to 340. Lines 1 to 3 are the general section,
// the objects start on line 4.
std::string linea(std::initializer_list<const char*> oggetti) { return test::descrizione(oggetti, 10000); }

// A train description: "[generale]" on line 1, the entries from line 2.
std::string treno(const std::vector<std::string>& voci) {
  std::string testo = "[generale]\r\n";
  for (const std::string& v : voci) testo += v + "\r\n";
  return testo + "[fine]\r\n";
}

// A station of type 12, 600 m long: stop zone P - 300 to P + 300, stopping
// cell (P + 300) / 50 - 1. Its name starts at column 89.
std::string stazione(int posizione, const std::string& nome) {
  std::string riga = "stazione,  " + std::to_string(posizione) + ",  12,  600,  0,  0,  0,  1,  1,  0,  4,  1,  1,  0,  0,  0,  0,";
  riga.resize(89 - 1, ' ');
  return riga + nome;
}

std::string segnale(int posizione) {
  return "segnale,  " + std::to_string(posizione) + ",  1,  4,  1,  0,  0,  0,  0,  0,  0,  0";
}

// An ASCII text in UTF-16 or UTF-32: each byte widened to `larghezza` bytes,
// little-endian or big-endian, after the byte-order mark `bom`.
std::string larga(const std::string& testo, size_t larghezza, bool little, const std::string& bom) {
  std::string out = bom;
  for (char c : testo) {
    std::string unita(larghezza, '\0');
    unita[little ? 0 : larghezza - 1] = c;
    out += unita;
  }
  return out;
}

struct Sbaglio {
  const char* nome;
  std::string linea;
  std::string treno;
  // The diagnostic expected: "LINE" and "TRAIN" stand for the paths.
  std::string dove;          // "TRAIN:2:1"
  std::string gravita;       // "error", "warning", "note"
  std::string suggerimento;  // a piece of its hint; empty: none expected
  int stato;
  std::vector<std::string> args = {};  // after the two files
  std::string parole = {};             // a piece of the message, naming the cause; empty: not checked
};

struct Percorsi {
  std::string linea, treno;
  std::string sostituisci(std::string testo) const {
    for (auto [segnaposto, percorso] : {std::pair{"LINE", linea}, std::pair{"TRAIN", treno}}) {
      for (size_t at = testo.find(segnaposto); at != std::string::npos; at = testo.find(segnaposto, at + percorso.size())) {
        testo.replace(at, std::string(segnaposto).size(), percorso);
      }
    }
    return testo;
  }
};

TEST(ToolCheck, EachMistakeAtItsLineWithItsSeverityAndHint) {
  const std::string una_linea = linea({});
  const std::string settanta_mila(70000, 'X');
  const std::vector<Sbaglio> casi = {
      {.nome = "a typo in stazione drops the station: one error for the entry",
       .linea = una_linea, .treno = treno({"stazone,  2000,  12,  600,  0,  0,  0,  1,  1,  0,  4,  1,  1,  0,  0,  0,  0,   A"}),
       .dove = "TRAIN:2:1", .gravita = "error", .suggerimento = "did you mean `stazione`?", .stato = 1},
      {.nome = "a typo in velocita loses a speed limit",
       .linea = una_linea, .treno = treno({"velcita,  1000,  60"}),
       .dove = "TRAIN:2:1", .gravita = "error", .suggerimento = "did you mean `velocita`?", .stato = 1},
      {.nome = "a misspelt key of the general section",
       .linea = "[generale]\r\nlunghezza percorso,  10000\r\nprogresiva chilometrica uno,  0,  5200,  0\r\n[curve]\r\n[fine]\r\n",
       .treno = treno({}),
       .dove = "LINE:3:1", .gravita = "error", .suggerimento = "did you mean `progressiva chilometrica uno`?", .stato = 1},
      {.nome = "a train description without [generale] is not read at all",
       .linea = una_linea, .treno = "velocita,  0,  60\r\n[fine]\r\n",
       .dove = "TRAIN", .gravita = "error", .suggerimento = "[generale]", .stato = 1},
      // "pendenza,  1000,  180": the value starts at column 19; 180 + 100 = 280 keeps 24, read back as -76.
      {.nome = "a gradient the cell's byte would wrap",
       .linea = linea({"pendenza,  1000,  180"}), .treno = treno({}),
       .dove = "LINE:4:19", .gravita = "error", .suggerimento = "from -100 to 155 per mille", .stato = 1},
      {.nome = "an adhesion above 255",
       .linea = una_linea, .treno = treno({"aderenza,  0,  300"}),
       .dove = "TRAIN:2:16", .gravita = "error", .suggerimento = "from 0 to 255", .stato = 1},
      {.nome = "a name longer than its 16-bit length",
       .linea = una_linea, .treno = treno({stazione(2000, settanta_mila)}),
       .dove = "TRAIN:2:89", .gravita = "error", .suggerimento = "at most 65535 bytes", .stato = 1},
      {.nome = "a UTF-8 name is converted, with a note",
       .linea = una_linea, .treno = treno({stazione(2000, "CITT\xC3\x80")}),
       .dove = "TRAIN:2:93", .gravita = "note", .suggerimento = "", .stato = 0},
      {.nome = "a UTF-8 character with no place in Windows-1252",
       .linea = una_linea, .treno = treno({stazione(2000, "A\xE2\x86\x92" "B")}),
       .dove = "TRAIN:2:90", .gravita = "error", .suggerimento = "another way", .stato = 1},
      {.nome = "a control character in a name",
       .linea = una_linea, .treno = treno({stazione(2000, "A\x07" "B")}),
       .dove = "TRAIN:2:90", .gravita = "warning", .suggerimento = "", .stato = 0},
      // "segnale,  12000": the position starts at column 11.
      {.nome = "a signal after the end of the line, in the spare cells",
       .linea = una_linea, .treno = treno({segnale(12000)}),
       .dove = "TRAIN:2:11", .gravita = "warning", .suggerimento = "never reaches", .stato = 0},
      // The slowdown's length, 500, starts at column 29; it ends at 5500 m, the station stands at 2000 m.
      {.nome = "a slowdown past the last station",
       .linea = una_linea, .treno = treno({stazione(2000, "A"), "rallentamento,  5000,  60,  500,  0,  0,  0"}),
       .dove = "TRAIN:3:29", .gravita = "warning", .suggerimento = "last station", .stato = 0},
      {.nome = "the same, with --strict",
       .linea = una_linea, .treno = treno({stazione(2000, "A"), "rallentamento,  5000,  60,  500,  0,  0,  0"}),
       .dove = "TRAIN:3:29", .gravita = "error", .suggerimento = "last station", .stato = 1, .args = {"--strict"}},
      {.nome = "a kilometre-post system starting at kilometre 0 with value 0 is dropped",
       .linea = "[generale]\r\nlunghezza percorso,  10000\r\nprogressiva chilometrica uno,  0,  0,  1\r\n[curve]\r\n[fine]\r\n",
       .treno = treno({}),
       .dove = "LINE:3:1", .gravita = "error", .suggerimento = "clears all three", .stato = 1},
      // Semicolons: the key field is the whole line, its values come from line 3;
      // the fault stands at the entry that ran short, which holds no value of its own.
      {.nome = "semicolons instead of commas",
       .linea = una_linea, .treno = treno({"velocita;  1000;  60", "velocita,  2000,  90"}),
       .dove = "TRAIN:2:1", .gravita = "error", .suggerimento = "separated by commas", .stato = 1,
       .parole = "too few values for `velocita`: it takes 2, its line holds 0"},
      {.nome = "a number field holding letters",
       .linea = una_linea, .treno = treno({"vetture,  nove"}),
       .dove = "TRAIN:2:11", .gravita = "error", .suggerimento = "digits only", .stato = 1,
       .parole = "\"nove\" is not a number: value 1 of `numero vetture`"},
      // The text ends after the position: the speed is read past the end, just after the line's 15 bytes.
      {.nome = "a file that ends inside an entry",
       .linea = una_linea, .treno = "[generale]\r\nvelocita,  1000",
       .dove = "TRAIN:2:16", .gravita = "error", .suggerimento = "[fine]", .stato = 1,
       .parole = "the file ends inside the entry `velocita`: it takes 2 values, 1 were read"},
      // "lunghezza percorso,  " is 21 bytes: the value starts at column 22.
      {.nome = "a decimal point in a whole number",
       .linea = "[generale]\r\nlunghezza percorso,  12.300\r\n[curve]\r\n[fine]\r\n", .treno = treno({}),
       .dove = "LINE:2:22", .gravita = "error", .suggerimento = "write 12300", .stato = 1,
       .parole = "\"12.300\" is not a whole number: whole metres"},
      // Two digits after the point cannot be a group of thousands. The speed starts at column 19.
      {.nome = "a decimal fraction in a whole number",
       .linea = una_linea, .treno = treno({"velocita,  1000,  62.5"}),
       .dove = "TRAIN:2:19", .gravita = "error", .suggerimento = "round it to a whole number: the field holds no fractions",
       .stato = 1, .parole = "\"62.5\" is not a whole number"},
      // The minutes of the clock are 16-bit: 70000 starts at column 16.
      {.nome = "a value too wide for its field, with the field's range",
       .linea = una_linea, .treno = treno({"orologio,  8,  70000,  0"}),
       .dove = "TRAIN:2:16", .gravita = "error", .suggerimento = "from -32768 to 32767", .stato = 1,
       .parole = "value 70000 of `orologio` is too wide"},
      // A decimal comma: "62,5" is read as 62 and a third value 5, at column 22.
      {.nome = "a value too many on the line, as a decimal comma makes",
       .linea = una_linea, .treno = treno({"velocita,  1000,  62,5"}),
       .dove = "TRAIN:2:22", .gravita = "warning", .suggerimento = "decimal comma", .stato = 0,
       .parole = "a value too many for `velocita`, which takes 2: \"5\" is ignored"},
      // "progressiva chilometrica uno,  0,  " is 35 bytes: the value starts at column 36.
      {.nome = "a kilometre post off the 50 m grid, at the system's line",
       .linea = "[generale]\r\nlunghezza percorso,  10000\r\nprogressiva chilometrica uno,  0,  5210,  0\r\n[curve]\r\n[fine]\r\n",
       .treno = treno({}),
       .dove = "LINE:3:36", .gravita = "error", .suggerimento = "the nearest allowed are 5200 m and 5250 m", .stato = 1,
       .parole = "kilometre-post system \"uno\": value 5210 m is not a multiple of 50"},
      // Cell 200 / 50 + 1 = 5; its fourth approach mark would be cell 5 - 8 = -3.
      {.nome = "a signal before the first 350 m",
       .linea = una_linea, .treno = treno({segnale(200)}),
       .dove = "TRAIN:2:1", .gravita = "error", .suggerimento = "the smallest position allowed for a signal is 350 m",
       .stato = 1, .parole = "signal at 200 m stands before the first 350 m"},
      {.nome = "a misspelt [generale] in the line description",
       .linea = "[generali]\r\nlunghezza percorso,  10000\r\n[curve]\r\n[fine]\r\n", .treno = treno({}),
       .dove = "LINE:1:1", .gravita = "error", .suggerimento = "did you mean `[generale]`?", .stato = 1},
      {.nome = "a misspelt [generale] in the train description",
       .linea = una_linea, .treno = "  [Generali]\r\nvelocita,  0,  60\r\n[fine]\r\n",
       .dove = "TRAIN:1:3", .gravita = "error", .suggerimento = "did you mean `[generale]`?", .stato = 1},
      {.nome = "a train description in UTF-16 with its byte-order mark",
       .linea = una_linea, .treno = larga(treno({}), 2, true, "\xFF\xFE"),
       .dove = "TRAIN:1:1", .gravita = "error", .suggerimento = "save it as Windows-1252 or UTF-8", .stato = 1,
       .parole = "the description is UTF-16 little-endian"},
      {.nome = "a line description in UTF-32 without a byte-order mark",
       .linea = larga(una_linea, 4, false, ""), .treno = treno({}),
       .dove = "LINE:1:1", .gravita = "error", .suggerimento = "save it as Windows-1252 or UTF-8", .stato = 1,
       .parole = "the description is UTF-32 big-endian"},
      // The name field is "SANTA LUCIA"; " BIVIO" after the comma starts at column 102.
      {.nome = "a station name a comma cut short",
       .linea = una_linea, .treno = treno({stazione(2000, "SANTA LUCIA, BIVIO")}),
       .dove = "TRAIN:2:102", .gravita = "warning", .suggerimento = "holds no comma", .stato = 0,
       .parole = "the text ends at the comma: \"SANTA LUCIA\" is stored, \"BIVIO\" is read as a key and ignored"},
      // Two comment lines are passed over; the third is read as a key.
      {.nome = "a third comment line in a row in the train description",
       .linea = una_linea, .treno = treno({"- uno", "- due", "- tre", "velocita,  0,  60"}),
       .dove = "TRAIN:4:1", .gravita = "warning", .suggerimento = "at most 2 comment fields in a row", .stato = 0,
       .parole = "the comment \"- tre\" is read as a key: too many comment lines in a row"},
      {.nome = "a train entry before [generale] is not read",
       .linea = una_linea, .treno = "Train 7, 2 cars\r\nvelocita,  0,  60\r\n[generale]\r\n[fine]\r\n",
       .dove = "TRAIN:2:1", .gravita = "warning", .suggerimento = "move it after [generale]", .stato = 0,
       .parole = "\"velocita\" stands before [generale]: everything before that heading is passed over"},
      {.nome = "the same, with --strict",
       .linea = una_linea, .treno = "velocita,  0,  60\r\n[generale]\r\n[fine]\r\n",
       .dove = "TRAIN:1:1", .gravita = "error", .suggerimento = "move it after [generale]", .stato = 1,
       .args = {"--strict"}},
      {.nome = "a line's general entry before [generale], after a blank",
       .linea = "  lunghezza percorso,  10000\r\n[generale]\r\nlunghezza percorso,  10000\r\n[curve]\r\n[fine]\r\n",
       .treno = treno({}),
       .dove = "LINE:1:3", .gravita = "warning", .suggerimento = "move it under [generale]", .stato = 0,
       .parole = "\"lunghezza percorso\" stands before [generale]"},
      {.nome = "a line object before [generale] needs its own heading",
       .linea = "[curve]\r\ncurvad1,  100,  200\r\n" + una_linea, .treno = treno({}),
       .dove = "LINE:2:1", .gravita = "warning", .suggerimento = "under its heading ([curve], [pendenze]", .stato = 0,
       .parole = "\"curvad1\" stands before [generale]"},
      {.nome = "a line entry before the train's [generale] belongs to the other file",
       .linea = una_linea, .treno = "pendenza,  1000,  5\r\n[generale]\r\n[fine]\r\n",
       .dove = "TRAIN:1:1", .gravita = "warning", .suggerimento = "move the entry to the line description", .stato = 0},
      {.nome = "a train entry in the line description",
       .linea = linea({"velocita,  0,  60"}), .treno = treno({}),
       .dove = "LINE:4:1", .gravita = "warning", .suggerimento = "move the entry to the train description", .stato = 0,
       .parole = "\"velocita\" is a key of the train description"},
      {.nome = "a line entry in the train description",
       .linea = una_linea, .treno = treno({"pendenza,  1000,  5"}),
       .dove = "TRAIN:2:1", .gravita = "warning", .suggerimento = "move the entry to the line description", .stato = 0,
       .parole = "\"pendenza\" is a key of the line description"},
      {.nome = "an object entry in the line's general section",
       .linea = "[generale]\r\nlunghezza percorso,  10000\r\npendenza,  1000,  5\r\n[curve]\r\n[fine]\r\n",
       .treno = treno({}),
       .dove = "LINE:3:1", .gravita = "warning", .suggerimento = "the general section ends at the first heading", .stato = 0,
       .parole = "\"pendenza\" stands in the general section, which does not take it"},
      // Minute 75 of hour 6: (6 × 60 + 75) × 60 = 26100 s, 07:15:00. The minutes start at column 16.
      {.nome = "a clock minute past 59",
       .linea = una_linea, .treno = treno({"orologio,  6,  75,  0"}),
       .dove = "TRAIN:2:16", .gravita = "warning", .suggerimento = "from 0 to 59", .stato = 0,
       .parole = "time 06:75:00 is out of range: it is kept as 07:15:00"},
      {.nome = "the same, with --strict",
       .linea = una_linea, .treno = treno({"orologio,  6,  75,  0"}),
       .dove = "TRAIN:2:16", .gravita = "error", .suggerimento = "from 0 to 59", .stato = 1, .args = {"--strict"}},
      // 63 / 5 = 12.6 is stored as 13 steps of 5 km/h. The speed starts at column 16.
      {.nome = "a speed not a multiple of 5",
       .linea = una_linea, .treno = treno({"velocita,  0,  63"}),
       .dove = "TRAIN:2:16", .gravita = "warning", .suggerimento = "multiple of 5", .stato = 0,
       .parole = "speed 63 km/h is stored as 65 km/h"},
      // The slowdown's speed starts at column 24; the line runs at 60 km/h from 0 m.
      {.nome = "a slowdown faster than the line",
       .linea = una_linea, .treno = treno({"velocita,  0,  60", "rallentamento,  5000,  80,  500,  0,  0,  0"}),
       .dove = "TRAIN:3:24", .gravita = "warning", .suggerimento = "less than the line's limit", .stato = 0,
       .parole = "slowdown of 80 km/h at 5000 m is faster than the line's 60 km/h there"},
      {.nome = "a slowdown of 0 km/h",
       .linea = una_linea, .treno = treno({"velocita,  0,  60", "rallentamento,  5000,  0,  500,  0,  0,  0"}),
       .dove = "TRAIN:3:24", .gravita = "warning", .suggerimento = "", .stato = 0, .parole = "slowdown of 0 km/h"},
      // The end, 3000, starts at column 19 of line 4.
      {.nome = "a mountain section that ends before it begins",
       .linea = linea({"montagna,  4000,  3000,  11"}), .treno = treno({}),
       .dove = "LINE:4:19", .gravita = "warning", .suggerimento = "start first", .stato = 0,
       .parole = "mountain section ends at 3000 m, before it begins at 4000 m"},
      // The second station's hour starts at column 70. Stations at 0 and 7000 m:
      // at 100 km/h, 7 km take 252 s; the timetable gives 4 min.
      {.nome = "a timetable faster than the speed limits allow",
       .linea = una_linea,
       .treno = treno({"velocita,  0,  100",
                       "stazione,  0,  12,  600,  0,  0,  0,  1,  1,  0,  4,  1,  1,  0,  8,  0,  0,   A",
                       "stazione,  7000,  12,  600,  0,  0,  0,  1,  1,  0,  4,  1,  1,  0,  8,  4,  0,   B"}),
       .dove = "TRAIN:4:70", .gravita = "warning", .suggerimento = "a lower bound", .stato = 0,
       .parole = "A to B is timed at 4 min 0 s, but takes at least 4 min 12 s at the speed limits"},
      {.nome = "a timetable going back along the line",
       .linea = una_linea,
       .treno = treno({"velocita,  0,  100",
                       "stazione,  0,  12,  600,  0,  0,  0,  1,  1,  0,  4,  1,  1,  0,  8,  0,  0,   A",
                       "stazione,  7000,  12,  600,  0,  0,  0,  1,  1,  0,  4,  1,  1,  0,  7,  55,  0,   B"}),
       .dove = "TRAIN:4:70", .gravita = "warning", .suggerimento = "next day", .stato = 0,
       .parole = "B at 07:55:00 comes before A at 08:00:00"},
      // Stop zone 1700 to 2300 m: stopping cell 45; the signal's cell is 2200 / 50 + 1 = 45.
      {.nome = "a signal on a station's stopping cell names the station and its line",
       .linea = una_linea, .treno = treno({stazione(2000, "A"), segnale(2200)}),
       .dove = "TRAIN:3:1", .gravita = "error",
       .suggerimento = "cell 45 (2250 m to 2300 m) already holds the stopping cell of the station at TRAIN:2 (A)",
       .stato = 1},
      // Start cell 101; its first window, cells 94 to 96, holds the three signals.
      {.nome = "a slowdown whose markers meet signals is told at the slowdown",
       .linea = una_linea,
       .treno = treno({segnale(4650), segnale(4700), segnale(4750), "rallentamento,  5000,  60,  500,  0,  0,  0"}),
       .dove = "TRAIN:5:1", .gravita = "error",
       .suggerimento = "cells 94 to 96 (4700 m to 4850 m) before its start hold the signal at TRAIN:2, the signal at "
                       "TRAIN:3 and the signal at TRAIN:4",
       .stato = 1},
      {.nome = "two stations out of order say so",
       .linea = una_linea, .treno = treno({stazione(5000, "B"), stazione(2000, "A")}),
       .dove = "TRAIN:3:1", .gravita = "error", .suggerimento = "in order of position", .stato = 1},
      // Zones 1700 to 2300 and 2200 to 2800 m; at 2950 m the second starts at 2650 m, 350 m after 2300 m.
      {.nome = "two stations too close: the zones and the first position allowed",
       .linea = una_linea, .treno = treno({stazione(2000, "A"), stazione(2500, "B")}),
       .dove = "TRAIN:3:1", .gravita = "error", .suggerimento = "the first position allowed is 2950 m", .stato = 1},
  };
  for (const Sbaglio& caso : casi) {
    SCOPED_TRACE(caso.nome);
    CartellaTemporanea cartella;
    cartella.scrivi("l.txt", caso.linea);
    cartella.scrivi("t.txt", caso.treno);
    const Percorsi p{cartella.file("l.txt"), cartella.file("t.txt")};
    Args args = {"check", p.linea, p.treno};
    args.insert(args.end(), caso.args.begin(), caso.args.end());
    const Uscita u = esegui(args);
    EXPECT_EQ(u.stato, caso.stato) << u.err;
    const std::string atteso = p.sostituisci(caso.dove) + ": " + caso.gravita + ": ";
    EXPECT_TRUE(u.err.starts_with(atteso) || u.err.find("\n" + atteso) != std::string::npos) << atteso << "\n" << u.err;
    const std::string suggerimento = p.sostituisci(caso.suggerimento);
    if (!suggerimento.empty()) {
      EXPECT_NE(u.err.find(suggerimento), std::string::npos) << u.err;
    }
    if (!caso.parole.empty()) {
      EXPECT_NE(u.err.find(atteso + caso.parole), std::string::npos) << u.err;
    }
    // A control byte of the input never reaches the terminal.
    EXPECT_EQ(u.err.find('\x07'), std::string::npos);
  }
}

// The check names each entry and counts its values as its reader reads them:
// a train entry with one number past its values gets the warning for a value
// too many; a line entry the file ends inside, or whose value is no number,
// gets the error that names it (and, when it takes more than one, counts its
// values). The counts are those of the descriptions' key tables.
TEST(ToolCheck, EachEntryIsNamedAndCountedAsItsReaderReadsIt) {
  const std::string generale = "[generale]\r\nlunghezza percorso,  10000\r\n";
  const std::string una_linea = generale + "[curve]\r\n[fine]\r\n";
  const std::string nessun_treno = "[generale]\r\n[fine]\r\n";
  struct Caso {
    std::string linea, treno;
    std::string parole;  // a piece of the message
  };
  const auto oggetto = [&](const std::string& voce) { return generale + "[curve]\r\n" + voce; };
  const auto in_piu = [](const std::string& voce) { return "[generale]\r\n" + voce + ",  7\r\n[fine]\r\n"; };
  const std::vector<Caso> casi = {
      {"[generale]\r\nlunghezza percorso,  dieci\r\n[curve]\r\n[fine]\r\n", nessun_treno,
       "\"dieci\" is not a number: value 1 of `lunghezza percorso` is a whole number"},
      {generale + "sfondo tre,  x\r\n[curve]\r\n[fine]\r\n", nessun_treno,
       "\"x\" is not a number: value 1 of `sfondo tre` is a whole number"},
      {generale + "progressiva chilometrica uno,  0", nessun_treno,
       "the file ends inside the entry `progressiva chilometrica uno`: it takes 3 values, 1 were read"},
      {generale + "progressiva chilometrica due,  0,  5200", nessun_treno,
       "the file ends inside the entry `progressiva chilometrica due`: it takes 3 values, 2 were read"},
      {generale + "ripetizione segnali 9 codici,  0", nessun_treno,
       "the file ends inside the entry `ripetizione segnali`: it takes 2 values, 1 were read"},
      {oggetto("curvas3,  1000"), nessun_treno, "the file ends inside the entry `curva`: it takes 2 values, 1 were read"},
      {oggetto("pendenza,  1000"), nessun_treno,
       "the file ends inside the entry `pendenza`: it takes 2 values, 1 were read"},
      {oggetto("montagna,  1000"), nessun_treno,
       "the file ends inside the entry `montagna`: it takes 3 values, 1 were read"},
      {oggetto("indicatori_vmax,  1000,  60"), nessun_treno,
       "the file ends inside the entry `indicatori_vmax`: it takes 9 values, 2 were read"},
      {oggetto("cartello_indicatore,  1000"), nessun_treno,
       "the file ends inside the entry `cartello_indicatore`: it takes 2 values, 1 were read"},
      {una_linea, in_piu("percentuale massa frenata,  80"),
       "a value too many for `percentuale massa frenata`, which takes 1: \"7\" is ignored"},
      {una_linea, in_piu("numero vetture,  8"), "a value too many for `numero vetture`, which takes 1: \"7\" is ignored"},
      {una_linea, in_piu("velocita,  0,  60"), "a value too many for `velocita`, which takes 2: \"7\" is ignored"},
      {una_linea, in_piu("aderenza,  0,  100"), "a value too many for `aderenza`, which takes 2: \"7\" is ignored"},
      {una_linea, in_piu("orologio,  8,  0,  0"), "a value too many for `orologio`, which takes 3: \"7\" is ignored"},
      {una_linea, in_piu("sabbia,  10"), "a value too many for `sabbia`, which takes 1: \"7\" is ignored"},
      {una_linea, in_piu("segnale,  2000,  1,  4,  1,  0,  0,  0,  0,  0,  0,  0"),
       "a value too many for `segnale`, which takes 11: \"7\" is ignored"},
      {una_linea, in_piu("rallentamento,  5000,  60,  500,  0,  0,  0"),
       "a value too many for `rallentamento`, which takes 6: \"7\" is ignored"},
      {una_linea, in_piu("abbattimento,  2000,  180"),
       "a value too many for `abbattimento`, which takes 2: \"7\" is ignored"},
      {una_linea, in_piu("stazione,  2000,  12,  600,  0,  0,  0,  1,  1,  0,  4,  1,  1,  0,  0,  0,  0,   A"),
       "a value too many for `stazione`, which takes 17: \"7\" is ignored"},
  };
  for (const Caso& caso : casi) {
    SCOPED_TRACE(caso.parole);
    CartellaTemporanea cartella;
    cartella.scrivi("l.txt", caso.linea);
    cartella.scrivi("t.txt", caso.treno);
    const Uscita u = esegui({"check", cartella.file("l.txt"), cartella.file("t.txt")});
    EXPECT_NE(u.err.find(caso.parole), std::string::npos) << u.err;
  }
}

TEST(ToolCheck, OneDiagnosticForAnEntryWithAMisspeltKey) {
  CartellaTemporanea c;
  c.scrivi("l.txt", linea({}));
  c.scrivi("t.txt", treno({"stazone,  2000,  12,  600,  0,  0,  0,  1,  1,  0,  4,  1,  1,  0,  0,  0,  0,   A"}));
  const Uscita u = esegui({"check", c.file("l.txt"), c.file("t.txt")});
  EXPECT_EQ(u.err, c.file("t.txt") +
                       ":2:1: error: field \"stazone\" holds no key word: ignored, with the values of its entry\n"
                       " stazone,  2000,  12,  600,  0,  0,  0,  1,  1,  0,  4,  1,  1,  0,  0,  0,  0,   A\n"
                       " ^~~~~~~\n"
                       " hint: did you mean `stazione`?\n");
}

// A file that ends inside an entry is told as that alone: reading on past the
// entry must not add a fault that the author's file does not have.
TEST(ToolCheck, AFileEndingInsideAnEntryIsItsOnlyFault) {
  struct Caso {
    const char* nome;
    std::string linea, treno;
    std::string dove;  // "TRAIN:2:16", as in the table above
  };
  const std::string una_linea = linea({});
  // "velocita,  1000" is 15 bytes: the missing speed stands at column 16.
  const std::vector<Caso> casi = {
      {"the train's last line, right after [generale], CR LF", una_linea, "[generale]\r\nvelocita,  1000", "TRAIN:2:16"},
      {"the same with LF", una_linea, "[generale]\nvelocita,  1000", "TRAIN:2:16"},
      // The end of the text is after the two blanks, at column 18.
      {"the same with blanks after the value", una_linea, "[generale]\nvelocita,  1000  ", "TRAIN:2:18"},
      {"after another entry", una_linea, "[generale]\r\nnumero vetture,  5\r\nvelocita,  1000", "TRAIN:3:16"},
      // "curva,  100" is 11 bytes.
      {"the line's last line, right after a heading",
       "[generale]\r\nlunghezza percorso,  10000\r\n[curve]\r\ncurva,  100", treno({}), "LINE:4:12"},
  };
  for (const Caso& caso : casi) {
    SCOPED_TRACE(caso.nome);
    CartellaTemporanea cartella;
    cartella.scrivi("l.txt", caso.linea);
    cartella.scrivi("t.txt", caso.treno);
    const Percorsi p{cartella.file("l.txt"), cartella.file("t.txt")};
    const Uscita u = esegui({"check", p.linea, p.treno});
    EXPECT_EQ(u.stato, 1);
    EXPECT_TRUE(u.err.starts_with(p.sostituisci(caso.dove) + ": error: the file ends inside the entry")) << u.err;
    EXPECT_EQ(u.err.find("error", u.err.find('\n')), std::string::npos) << u.err;
  }
}

// A length entry that cannot be read is dropped to read on; the line then
// has no length, and that is its effect, not a fault to tell again. A line
// that never had a length is told so.
TEST(ToolCheck, ALengthEntryThatCannotBeReadIsItsOnlyFault) {
  struct Caso {
    const char* nome;
    std::string linea;
    std::vector<std::string> errori;  // "LINE:LINE:COLUMN: error: ...(Errore n. CODE)", by their start and code
  };
  const std::vector<Caso> casi = {
      {"a decimal point", "[generale]\r\nlunghezza percorso,  12.300\r\n[curve]\r\n[fine]\r\n", {"LINE:2:22 25"}},
      {"a letter, a good length after it",
       "[generale]\r\nlunghezza percorso,  12x00\r\nlunghezza percorso,  12000\r\n[curve]\r\n[fine]\r\n",
       {"LINE:2:22 25"}},
      {"no length entry at all", "[generale]\r\nsfondo uno,  1\r\n[curve]\r\n[fine]\r\n", {"LINE:3:1 28"}},
      {"another entry unreadable, no length entry",
       "[generale]\r\nsfondo uno,  1x\r\n[curve]\r\n[fine]\r\n", {"LINE:2:14 25", "LINE:3:1 28"}},
  };
  for (const Caso& caso : casi) {
    SCOPED_TRACE(caso.nome);
    CartellaTemporanea cartella;
    cartella.scrivi("l.txt", caso.linea);
    cartella.scrivi("t.txt", treno({}));
    const Percorsi p{cartella.file("l.txt"), cartella.file("t.txt")};
    const Uscita u = esegui({"check", p.linea, p.treno});
    EXPECT_EQ(u.stato, 1);
    std::vector<std::string> errori;
    for (size_t at = u.err.find(": error: "); at != std::string::npos; at = u.err.find(": error: ", at + 1)) {
      const size_t inizio = u.err.rfind('\n', at) == std::string::npos ? 0 : u.err.rfind('\n', at) + 1;
      const size_t codice = u.err.find("(Errore n. ", at) + 11;
      errori.push_back(u.err.substr(inizio, at - inizio) + " " + u.err.substr(codice, u.err.find(')', codice) - codice));
    }
    std::vector<std::string> attesi;
    for (const std::string& e : caso.errori) attesi.push_back(p.sostituisci(e));
    EXPECT_EQ(errori, attesi) << u.err;
  }
}

// Before [generale] a free note may stand, commas and numbers and all: only a
// key followed by a number is told as an entry there.
TEST(ToolCheck, ANoteBeforeGeneraleIsPassedOverInSilence) {
  struct Caso {
    const char* nome;
    std::string treno;
    int stato;
  };
  const std::vector<Caso> casi = {
      {"a note holding key words and numbers", "Train 7: the stazione of BORGO, 12 km away\r\nvelocita 60, later 90\r\n[generale]\r\n[fine]\r\n", 0},
      {"an entry put aside as a comment", "- velocita,  0,  60\r\n[generale]\r\n[fine]\r\n", 0},
      {"a heading before [generale]", "[stazioni],  1\r\n[generale]\r\n[fine]\r\n", 0},
      // Without [generale] nothing is read: that error alone, not one per entry.
      {"no [generale] at all", "velocita,  0,  60\r\n[fine]\r\n", 1},
  };
  for (const Caso& caso : casi) {
    SCOPED_TRACE(caso.nome);
    CartellaTemporanea c;
    c.scrivi("l.txt", linea({}));
    c.scrivi("t.txt", caso.treno);
    const Uscita u = esegui({"check", c.file("l.txt"), c.file("t.txt")});
    EXPECT_EQ(u.stato, caso.stato) << u.err;
    EXPECT_EQ(u.err.find("warning"), std::string::npos) << u.err;
    EXPECT_EQ(u.err.find("stands before"), std::string::npos) << u.err;
  }
}

// Three faults in different sections: a signpost on a taken cell in the line's
// objects, a station off the 50 m grid, two signals on one cell.
TEST(ToolCheck, ThreeIndependentFaultsCheckedAllCompiledFirst) {
  CartellaTemporanea c;
  const std::string l = linea({"cartello_indicatore,  1300,  A", "cartello_indicatore,  1300,  B"});
  const std::string t = treno({"[stazioni]",
                               "stazione,  1025,  12,  800,  0,  0,  0,  1,  1,  0,  4,  1,  1,  1,  18,  0,  0,   X",
                               "[segnali]", segnale(3000), segnale(3000)});
  c.scrivi("Prova_linea.txt", l);
  c.scrivi("Prova_7-.txt", t);
  const std::string pl = c.file("Prova_linea.txt");
  const std::string pt = c.file("Prova_7-.txt");

  const Uscita check = esegui({"check", pl, pt, "--json"});
  EXPECT_EQ(check.stato, 1);
  for (const std::string& dove : {pl + ":5:1: error: signpost cell is not free", pt + ":3:1: error: station position",
                                  pt + ":6:1: error: signal cell is not free"}) {
    EXPECT_NE(check.err.find(dove), std::string::npos) << dove << "\n" << check.err;
  }
  // The program's status is the first fault's: the line half stops at code 6.
  EXPECT_NE(check.out.find(R"({"codice_errore":6,"posizione_errore":1300,"fatal":null)"), std::string::npos);

  const Uscita compile = esegui({"compile", pl, pt, "-o", c.file("out")});
  EXPECT_EQ(compile.stato, 1);
  EXPECT_NE(compile.err.find(pl + ":5:1: error: signpost cell is not free"), std::string::npos) << compile.err;
  EXPECT_EQ(compile.err.find(pt + ":"), std::string::npos) << compile.err;
  EXPECT_FALSE(c.esiste("out/Prova_7.sim"));
  EXPECT_FALSE(c.esiste("out/Prova_7.dat"));
  EXPECT_FALSE(c.esiste("out/Prova_linea.dat"));

  const Uscita forzato = esegui({"compile", pl, pt, "-o", c.file("out"), "--force"});
  EXPECT_EQ(forzato.stato, 1);
  TestiDaCompilare testi;
  testi.linea = {pl, l};
  testi.treno = {pt, t};
  testi.nome_linea = "Prova";
  testi.numero_treno = "7";
  const Compilazione programma = compila_testi(testi);
  ASSERT_TRUE(programma.esito.file_scritti);
  const FileCodificati file = codifica_file_compilati(programma.stato);
  ASSERT_TRUE(file.tracciato.has_value());
  EXPECT_TRUE(c.leggi("out/Prova_7.sim") == file.tabella);
  EXPECT_TRUE(c.leggi("out/Prova_7.dat") == file.celle);
  EXPECT_TRUE(c.leggi("out/Prova_linea.dat") == *file.tracciato);
}

TEST(ToolCheck, ACompileNeedsNamesItCanTrust) {
  CartellaTemporanea c;
  c.scrivi("linea.txt", linea({}));
  c.scrivi("treno.txt", treno({}));
  const Uscita senza = esegui({"compile", c.file("linea.txt"), c.file("treno.txt"), "-o", c.file("out")});
  EXPECT_EQ(senza.stato, kUscitaUso);
  EXPECT_NE(senza.err.find("give --line-name and --train-number"), std::string::npos) << senza.err;
  EXPECT_FALSE(c.esiste("out"));

  c.scrivi("Valle_linea.txt", linea({}));
  c.scrivi("Valle_R12-.txt", treno({}));
  const Uscita nominati = esegui({"compile", c.file("Valle_linea.txt"), c.file("Valle_R12-.txt"), "-o", c.file("out")});
  EXPECT_EQ(nominati.stato, 0) << nominati.err;
  EXPECT_TRUE(c.esiste("out/Valle_R12.sim"));
  EXPECT_TRUE(c.esiste("out/Valle_linea.dat"));
}

// A UTF-8 name is stored as Windows-1252, the text of the compiled files; one
// with a character that has no place there is refused, and --force stores the
// bytes as the program would.
TEST(ToolCheck, UTF8TextsReachTheFilesAsWindows1252) {
  CartellaTemporanea c;
  c.scrivi("Valle_linea.txt", linea({}));
  c.scrivi("Valle_1-.txt", treno({stazione(2000, "CITT\xC3\x80")}));
  EXPECT_EQ(esegui({"compile", c.file("Valle_linea.txt"), c.file("Valle_1-.txt"), "-o", c.file("a")}).stato, 0);
  EXPECT_NE(c.leggi("a/Valle_1.sim").find("CITT\xC0"), std::string::npos);
  EXPECT_EQ(c.leggi("a/Valle_1.sim").find("CITT\xC3\x80"), std::string::npos);

  c.scrivi("Valle_1-.txt", treno({stazione(2000, "A\xE2\x86\x92" "B")}));
  const Uscita rifiutato = esegui({"compile", c.file("Valle_linea.txt"), c.file("Valle_1-.txt"), "-o", c.file("b"), "--json"});
  EXPECT_EQ(rifiutato.stato, 1);
  EXPECT_FALSE(c.esiste("b/Valle_1.sim"));
  EXPECT_NE(rifiutato.out.find(R"("kind":"no-windows-1252")"), std::string::npos) << rifiutato.out;
  EXPECT_EQ(esegui({"compile", c.file("Valle_linea.txt"), c.file("Valle_1-.txt"), "-o", c.file("b"), "--force"}).stato, 1);
  EXPECT_NE(c.leggi("b/Valle_1.sim").find("A\xE2\x86\x92" "B"), std::string::npos);
}

// A text too long for its 16-bit length is the tool's error with the reading
// failure's code; the program's own status is untouched.
TEST(ToolCheck, ATextTooLongCarriesTheReadingFailuresCode) {
  CartellaTemporanea c;
  c.scrivi("l.txt", linea({}));
  c.scrivi("t.txt", treno({stazione(2000, std::string(70000, 'X'))}));
  const Uscita u = esegui({"check", c.file("l.txt"), c.file("t.txt"), "--json"});
  EXPECT_EQ(u.stato, 1);
  EXPECT_NE(u.out.find(R"({"codice_errore":0,"posizione_errore":0,"fatal":null)"), std::string::npos);
  EXPECT_NE(u.out.find(R"("kind":"text-too-long","code":25,"position":null)"), std::string::npos) << u.out;
  EXPECT_LT(u.err.size(), 1000u);  // the 70000-byte line is quoted around the field only
}

TEST(ToolCheck, ACleanPairGetsOneSummaryLine) {
  CartellaTemporanea c;
  c.scrivi("l.txt", linea({}));
  c.scrivi("t.txt", treno({stazione(2000, "A"), stazione(5000, "B"), segnale(3000)}));
  const Uscita u = esegui({"check", c.file("l.txt"), c.file("t.txt")});
  EXPECT_EQ(u.stato, 0) << u.err;
  EXPECT_EQ(u.err, "");
  EXPECT_EQ(u.out, "line of 10000 m; stations 2, signals 1, slowdowns 0, warnings 0\n");
}

// 200000 lines of speed limits, every other one going back: 100000 warnings of
// one kind, of which 20 are printed. The time is the processor time the check
// takes, which other work on a shared machine does not stretch.
TEST(ToolCheck, OutputStaysBoundedOnAHugeDescription) {
  std::string t = "[generale]\r\n";
  for (int i = 0; i < 100000; ++i) t += "velocita,  1000,  60\r\nvelocita,  500,  60\r\n";
  t += "[fine]\r\n";
  CartellaTemporanea c;
  c.scrivi("l.txt", linea({}));
  c.scrivi("t.txt", t);
  const double inizio = secondi_di_processore();
  const Uscita u = esegui({"check", c.file("l.txt"), c.file("t.txt")});
  const double durata = secondi_di_processore() - inizio;
  EXPECT_EQ(u.stato, 0);
  EXPECT_LT(u.err.size(), 10000u);
  size_t volte = 0;
  for (size_t at = u.err.find("\xE2\x80\xA6 and "); at != std::string::npos; at = u.err.find("\xE2\x80\xA6 and ", at + 1)) ++volte;
  EXPECT_EQ(volte, 1u) << u.err;
  EXPECT_NE(u.err.find("\xE2\x80\xA6 and 99980 more of kind out-of-order"), std::string::npos) << u.err;
  if (!test::kSanitizzato) {
    EXPECT_LT(durata, 1.0);
  }
}

// Every fault of a long pair is found, more of them than runs of a compile
// the check once made, in the time of a few checks of the same pair without
// them: a run after a fault takes the reading up near it instead of reading
// the pair again from its start.
TEST(ToolCheck, EveryFaultOfALongPairInTheTimeOfAFewReadings) {
  constexpr int kRighe = 60000;  // some 1.7 MB in each description
  constexpr int kOgni = 1000;    // a fault every 1000 lines: 60 in each
  const auto coppia = [&](bool guasti) {
    std::string l = "[generale]\r\n";
    std::string t = "[generale]\r\n";
    for (int i = 1; i <= kRighe; ++i) {
      const bool guasto = guasti && i % kOgni == 0;
      l += guasto ? "lunghezza percorso,  10x00\r\n" : "lunghezza percorso,  10000\r\n";
      t += guasto ? "sabbia,  x\r\n" : "sabbia,  1\r\n";
    }
    return std::pair{l + "[curve]\r\n[fine]\r\n", t + "[fine]\r\n"};
  };
  CartellaTemporanea c;
  const auto [linea_pulita, treno_pulito] = coppia(false);
  const auto [linea_guasta, treno_guasto] = coppia(true);
  c.scrivi("l.txt", linea_pulita);
  c.scrivi("t.txt", treno_pulito);
  c.scrivi("lg.txt", linea_guasta);
  c.scrivi("tg.txt", treno_guasto);

  double inizio = secondi_di_processore();
  const Uscita pulita = esegui({"check", c.file("l.txt"), c.file("t.txt")});
  const double una_lettura = secondi_di_processore() - inizio;
  EXPECT_EQ(pulita.stato, 0) << pulita.err;

  inizio = secondi_di_processore();
  const Uscita u = esegui({"check", c.file("lg.txt"), c.file("tg.txt"), "--json"});
  const double durata = secondi_di_processore() - inizio;
  EXPECT_EQ(u.stato, 1);
  EXPECT_EQ(u.err.find("there may be more"), std::string::npos) << u.err;
  // Each of the 60 faults of each file: the first ones in full, at their
  // lines (the descriptions' line 1 is "[generale]"), the rest counted.
  for (const char* dove : {"\"line\":1001,", "\"line\":20001,"}) EXPECT_NE(u.out.find(dove), std::string::npos) << dove;
  for (const char* file : {"lg.txt", "tg.txt"}) {
    // The path as JSON writes it ends with the file's name.
    const std::string conto = std::string(file) + "\",\"severity\":\"error\",\"count\":60}";
    EXPECT_NE(u.out.find(conto), std::string::npos) << conto;
  }
  if (!test::kSanitizzato) {
    EXPECT_LT(durata, 5 * una_lettura) << "one reading " << una_lettura << " s, with the faults " << durata << " s";
  }
}

}  // namespace
}  // namespace scenario::tool
