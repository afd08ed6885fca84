#include "tool/uso.h"

#include <algorithm>
#include <array>

#include "platform/traduzione.h"
#include "tool/comandi.h"

namespace scenario::tool {
namespace {

constexpr Opzione kLineName{"--line-name", "NAME", N_("line name of the files (default: from LINE's name)")};
constexpr Opzione kTrainNumber{"--train-number", "NUM", N_("train number of the files (default: from TRAIN's name)")};
constexpr Opzione kStrict{"--strict", "", N_("count warnings as errors")};
constexpr Opzione kNoPlan{"--no-plan", "", N_("compile without the track plan")};
constexpr Opzione kJson{"--json", "", N_("a JSON summary as the last line of standard output")};

constexpr std::array kOpzioniCompile{
    Opzione{"-o", "DIR", N_("folder for the compiled files (default: the current folder)")},
    kLineName, kTrainNumber, kNoPlan, kStrict,
    Opzione{"--force", "", N_("write the compiled files even when the pair has errors")},
    kJson,
};
constexpr std::array kOpzioniCheck{kLineName, kTrainNumber, kNoPlan, kStrict, kJson};
constexpr std::array kOpzioniDump{
    Opzione{"--kind", "table|cells|plan", N_("the kind of file (default: from its name)")},
    Opzione{"--all", "", N_("every row, cell or point, not only those that hold something or the summary")},
    Opzione{"--json", "", N_("print the decoded file as JSON")},
};
// plot and view read a compiled scenario: without names, the only one in DIR.
constexpr Opzione kLineNameLetta{"--line-name", "NAME", N_("line name of the scenario (default: the only one in DIR)")};
constexpr Opzione kTrainNumberLetto{"--train-number", "NUM", N_("train number of the scenario (default: as for NAME)")};
constexpr std::array kOpzioniPlot{
    kLineNameLetta, kTrainNumberLetto,
    Opzione{"-o", "FILE.svg", N_("the picture to write"), true},
};
constexpr std::array kOpzioniView{
    kLineNameLetta, kTrainNumberLetto,
    Opzione{"-o", "FILE.html", N_("the page to write (default: ./NAME_NUM.html)")},
    Opzione{"--watch", "", N_("serve LINE and TRAIN live on 127.0.0.1, the page made anew on every save")},
    Opzione{"--editor", "LINK", N_("with --watch, the link that opens a place (default: vscode://file/{file}:{line}; none)")},
};
constexpr std::array kOpzioniDecompile{
    kLineNameLetta, kTrainNumberLetto,
    Opzione{"-o", "OUT", N_("folder for the two texts (default: the current folder)")},
    Opzione{"--force", "", N_("replace texts already in OUT")},
};
constexpr std::array kOpzioniExample{
    Opzione{"-o", "DIR", N_("folder for the two texts (default: the current folder)")},
    Opzione{"--force", "", N_("replace texts already in DIR")},
};

constexpr std::array<Opzione, 0> kOpzioniLsp{};

constexpr std::array kComandi{
    Comando{
        "compile", "LINE TRAIN", N_("compile a line and a train description into the compiled files"),
        N_("  Compiles the line description LINE and the train description TRAIN into the\n"
           "  track-plan, table and cell files in DIR (default: the current folder).\n"
           "  LINE and TRAIN are never changed. NAME and NUM name the files and feed the\n"
           "  competition codes; they come from LINE and TRAIN when these are named\n"
           "  NAME_linea.txt and NAME_NUM-.txt, and must be given otherwise. It prints the\n"
           "  first fault, as the program meets it, and every warning; with an error it\n"
           "  writes nothing, unless --force, which writes what the program would. The\n"
           "  files in DIR are replaced as a set: after a failure DIR holds every earlier\n"
           "  file. --no-plan writes no track-plan file. Exit status: 0 clean, 1 an error\n"
           "  (with --strict a warning too), 2 reserved slot in use (nothing written),\n"
           "  3 file-system failure, 64 usage, 65 a description larger than 64 MiB.\n"),
        kOpzioniCompile, comando_compile},
    Comando{
        "check", "LINE TRAIN", N_("compile in memory, keep nothing, print every fault and warning"),
        N_("  Compiles LINE and TRAIN in memory, keeps nothing, and prints every fault of\n"
           "  the pair (after a fault it drops that entry and reads on), every warning,\n"
           "  each at FILE:LINE:COLUMN with the line quoted and a hint; a pair without\n"
           "  errors gets one summary line. At most 20 of one kind per file are printed.\n"
           "  Exit status as for compile.\n"),
        kOpzioniCheck, comando_check},
    Comando{
        "dump", "FILE", N_("decode a compiled file into readable text"),
        N_("  Decodes a compiled file: the table (.sim), the cells (.dat) or the track plan\n"
           "  (_linea.dat); the kind comes from the name unless --kind is given.\n"
           "  table: every row that holds something, and how many empty rows were left\n"
           "  out (--all: every row). cells: every cell holding an object or a mark, then\n"
           "  the speed, gradient, adhesion and scenery profile as runs of cells (--all:\n"
           "  every cell). plan: a summary (--all: every point). Exit status: 0, 3\n"
           "  unreadable, 64 usage, 65 not a file of that kind.\n"),
        kOpzioniDump, comando_dump},
    Comando{
        "plot", "DIR", N_("draw the plan and the profile of a compiled scenario"),
        N_("  Draws the compiled scenario in DIR as one SVG picture. The plan: the track\n"
           "  seen from above, north up, equal scales, the frame fitted to the line;\n"
           "  kilometre ticks by the kilometre posts, curves, start, end and direction\n"
           "  of travel, signals, and stations labelled clear of each other and of the\n"
           "  track; the margin after the end grey and dashed. The profile, from the\n"
           "  start to the end of the line: station names and times (stops and\n"
           "  non-stops apart), the speed limit with its values, slowdowns, signals\n"
           "  with their kind, speed indicators, signposts, the gradient in per mille,\n"
           "  curves, mountain sections and the kilometre posts; then a legend.\n"
           "  Without a track-plan file the picture has the profile alone. NAME and NUM\n"
           "  name the files to read; when either is left out, DIR must hold exactly\n"
           "  one scenario that fits. Exit status: 0, 3 unreadable, unwritable or no\n"
           "  single scenario in DIR, 64 usage, 65 not a compiled scenario.\n"),
        kOpzioniPlot, comando_plot},
    Comando{
        "view", "DIR|LINE TRAIN", N_("write an interactive page of a compiled scenario, or serve a pair live"),
        N_("  Writes the compiled scenario in DIR as one HTML page that holds its script,\n"
           "  styles and data and loads nothing else: open it from the file in any\n"
           "  browser. The plan and the profile are linked: zoom with the wheel, the\n"
           "  buttons or + and -, pan by dragging or with the arrow keys, type a km range\n"
           "  to show, 0 fits all. Hovering a mark tells its kind, position in metres and\n"
           "  by the kilometre posts, values, name and time; a cursor in one view shows\n"
           "  the same place in the other. The timetable stands beside the drawing:\n"
           "  click a station to centre both views on it. NAME and NUM name the files to\n"
           "  read; when either is left out, DIR must hold exactly one scenario that\n"
           "  fits. Exit status: 0, 3 unreadable, unwritable or no single scenario in\n"
           "  DIR, 64 usage, 65 not a compiled scenario.\n"
           "  With --watch it takes the line and train descriptions LINE and TRAIN\n"
           "  instead, compiles them in memory and serves the page on 127.0.0.1 at a free\n"
           "  port, whose address it prints; nothing is written. On every save of either\n"
           "  file the pair is compiled again and the open page follows at the same zoom\n"
           "  and position. The page lists the pair's diagnostics (file:line, message,\n"
           "  hint) and marks their positions on the profile; a click on one opens the\n"
           "  editor through LINK, where {file} stands for the file's absolute path and\n"
           "  {line} for the line; with --editor none the place is text to copy. The\n"
           "  server answers only requests for its own address; Ctrl+C stops it (exit\n"
           "  status 0).\n"),
        kOpzioniView, comando_view},
    Comando{
        "decompile", "DIR", N_("write descriptions that compile back to a compiled scenario's files"),
        N_("  Reads the compiled scenario in DIR (the table file, the cell file and, when\n"
           "  present, the track-plan file) and writes NAME_linea.txt and NAME_NUM-.txt\n"
           "  into OUT (default: the current folder): a line and a train description that\n"
           "  compile to the same files. A text already in OUT is never replaced unless\n"
           "  --force is given: the tool names it and writes nothing. The texts are\n"
           "  compiled once more in memory and compared with DIR's files byte for byte;\n"
           "  the records that differ are listed (file, record, field, expected, got) and\n"
           "  the texts are written all the same. Without a track-plan file the curves\n"
           "  cannot be recovered and the line description has none. NAME and NUM name\n"
           "  the files to read; when either is left out, DIR must hold exactly one\n"
           "  scenario that fits. Exit status: 0 the texts compile to DIR's files, 1 they\n"
           "  differ, 3 unreadable, unwritable or no single scenario in DIR, 64 usage,\n"
           "  65 not a compiled scenario, 73 a text already in OUT (nothing written).\n"),
        kOpzioniDecompile, comando_decompile},
    Comando{
        "example", "", N_("write the scenario's own line and train descriptions to start from"),
        N_("  Writes the scenario's own line and train descriptions into DIR (created when\n"
           "  missing), byte for byte the texts the program compiles, under the names the\n"
           "  program gives them: MilanoPGen-Alessandria_linea.txt (5981 bytes) and\n"
           "  MilanoPGen-Alessandria_2635-.txt (3784 bytes). They are a complete, working\n"
           "  pair: compiled, they give the program's own compiled files. A text already in\n"
           "  DIR is never replaced unless --force is given: the tool names it and writes\n"
           "  nothing. Exit status: 0 written, 3 a text cannot be written, 64 usage, 73 a\n"
           "  text already in DIR (nothing written).\n"),
        kOpzioniExample, comando_example},
    Comando{
        "lsp", "", N_("serve diagnostics, hover and completion to an editor (language server)"),
        N_("  A language server for editors, over standard input and output: the\n"
           "  diagnostics of check for both files of a pair as the author types (unsaved\n"
           "  text included), the guide's entry of a key word and the meaning of a value\n"
           "  on hover, the key words of the section as completion, the outline of\n"
           "  sections, stations, signals, slowdowns and curves, the entry a diagnostic\n"
           "  names as definition, and the did-you-mean replacements as quick fixes. A\n"
           "  line description NAME_linea.txt is paired with a train description\n"
           "  NAME_NUM-.txt of its folder. It never writes a file and logs to standard\n"
           "  error. Exit status: 0 after shutdown and exit, 1 otherwise, 64 usage.\n"),
        kOpzioniLsp, comando_lsp},
};

// --help and --version, which every command accepts.
constexpr std::array kOpzioniComuni{
    Opzione{"--help", "", N_("print this help and exit")},
    Opzione{"--version", "", N_("print the version and exit")},
};

std::string forma(const Opzione& o) {
  return o.valore.empty() ? std::string(o.nome) : std::string(o.nome) + " " + std::string(o.valore);
}

// One line per option, the help texts aligned one column past the widest form.
void elenca_opzioni(std::span<const Opzione> opzioni, size_t colonna, std::string* testo) {
  for (const Opzione& o : opzioni) {
    std::string riga = "  " + forma(o);
    riga.resize(colonna, ' ');
    *testo += riga + traduci(o.aiuto) + "\n";
  }
}

}  // namespace

std::span<const Comando> comandi() { return kComandi; }

std::span<const Opzione> opzioni_comuni() { return kOpzioniComuni; }

const Comando* trova_comando(std::string_view nome) {
  for (const Comando& c : kComandi) {
    if (c.nome == nome) return &c;
  }
  return nullptr;
}

std::string sinossi(const Comando& comando) {
  std::string testo = "scenario-tool " + std::string(comando.nome);
  if (!comando.argomenti.empty()) testo += " " + std::string(comando.argomenti);
  for (const Opzione& o : comando.opzioni) testo += o.obbligatoria ? " " + forma(o) : " [" + forma(o) + "]";
  return testo;
}

std::string uso_comando(const Comando& comando) {
  std::string testo = componi(traduci("usage: %1"), {sinossi(comando)}) + "\n" + traduci(comando.descrizione) +
                      traduci("options:") + "\n";
  size_t colonna = 0;
  for (const Opzione& o : comando.opzioni) colonna = std::max(colonna, forma(o).size());
  for (const Opzione& o : kOpzioniComuni) colonna = std::max(colonna, forma(o).size());
  colonna += 4;
  elenca_opzioni(comando.opzioni, colonna, &testo);
  elenca_opzioni(kOpzioniComuni, colonna, &testo);
  return testo;
}

std::string uso_generale() {
  std::string testo = traduci("usage: scenario-tool COMMAND [ARGS]") + "\n" + traduci("commands:") + "\n";
  for (const Comando& c : kComandi) {
    testo += "  " + sinossi(c).substr(sizeof("scenario-tool ") - 1) + "\n";
    testo += "      " + traduci(c.riassunto) + "\n";
  }
  testo += traduci("'scenario-tool COMMAND --help' tells more.") + "\n";
  return testo;
}

}  // namespace scenario::tool
