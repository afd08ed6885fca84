#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "content/documenti.h"
#include "content/lista_righe.h"
#include "model/nomi_file.h"

namespace scenario {
namespace {

// The title box, the classification and locked-mass boxes and the head of the
// timetable. "\xE0" is the "a" with grave accent of "Localita".
constexpr auto kTesta = std::to_array<std::string_view>({
    "",
    "",
    "  ___________________                                               ______________",
    " |                   |                    SCHEDA                   |              |",
    " |   TRENO n.2635    |                da: Milano P.ta Genova       |    V130 A    |",
    " |___________________|                 a: Alessandria              |    105 %     |",
    "                                                                   |______________|",
    "  ___________________                ___________________",
    " |  CLASSIFICAZIONE  |              |  MASSA BLOCCATA   |       ",
    " |       DIR         |              |      530T         |",
    " |___________________|              |___________________|",
    "",
    "  ________________________________________________________________________________",
    " | Vel.| Vel.| Progr Km |  No |   Localit\xE0  di  Servizio   |     Orario     | Rec |",
    " | Lim.|Marc.|          |  Rs |                            |                |     |",
    " |_____|_____|__________|_____|____________________________|________________|_____|",
});

constexpr auto kCoda = std::to_array<std::string_view>({
    " |_____|_____|__________|_____|____________________________|________________|_____|",
    "",
    "",
    "",
    " ",
});

// One row of the timetable. Zero speeds, a missing post and empty texts leave
// their cell blank.
struct Fermata {
  int vel_lim = 0;   // km/h
  int vel_marc = 0;  // km/h
  std::optional<int> progressiva;  // metres on the kilometre post of the place
  std::string_view localita;
  std::string_view orario;    // "hh.mm": the passing time, or the arrival when `partenza` is set
  std::string_view partenza;  // "hh.mm": the departure after a stop
  std::string_view recupero;  // recovery margin, one or three characters
};

// The posts follow the several kilometre-post systems met along the line, so
// they do not rise steadily (26.900 then 12.700, 0.000 then 90.000).
constexpr auto kOrario = std::to_array<Fermata>({
    {30, 30, 5200, "MILANO P.GENOVA", "18.00", "", ""},
    {90, 90, 6450, "", "", "", ""},
    {0, 0, 8600, "MILANO S.CRISTOFORO", "18.05", "", ""},
    {130, 120, 9300, "", "", "", ""},
    {0, 0, 10900, "CORSICO", "18.06", "", ""},
    {0, 0, 13950, "TREZZANO", "18.07", "", ""},
    {0, 0, 17350, "GAGGIANO", "18.09", "", ""},
    {100, 90, 24800, "Ponte Naviglio Grande", "", "", ""},
    {0, 0, 26500, "ABBIATEGRASSO", "18.14", "18.15", ""},
    {130, 120, 26900, "", "", "", ""},
    {0, 0, 12700, "VIGEVANO", "18.22", "18.23", ""},
    {0, 0, 5250, "PARONA", "18.30", "", ""},
    {60, 60, 43700, "", "", "", ""},
    {0, 0, 40800, "MORTARA", "18.34", "18.35", "1"},
    {125, 115, 39800, "", "", "", ""},
    {0, 0, 36050, "OLEVANO", "18.39", "", "1.5"},
    {0, 0, 28950, "VALLE LOMELLINA", "18.43", "", "0.5"},
    {0, 0, 24450, "SARTIRANA", "18.45", "", ""},
    {0, 0, 18600, "TORREBERETTI", "18.48", "", "1"},
    {0, 0, 12400, "VALENZA", "18.51", "18.52", "0.5"},
    {0, 0, 6600, "VALMADONNA", "18.56", "", ""},
    {75, 75, 0, "cippo km 0.000", "", "", ""},
    {0, 0, 90000, "ALESSANDRIA", "19.02", "", ""},
});

// The timetable ends in eleven blank rows.
constexpr size_t kRigheVuote = 11;

// The seven cells of a row, left to right: speed limit, running speed,
// kilometre post, the "No Rs" column (always blank), place, time, recovery.
constexpr size_t kVelocita = 5;
constexpr size_t kProgressiva = 10;
constexpr size_t kNumero = 5;
constexpr size_t kLocalita = 28;
constexpr size_t kOrarioCella = 16;
constexpr size_t kRecupero = 5;

// Every value must fit the placement rule of its cell, so that a changed time
// or name fails the build instead of shifting the columns.
constexpr bool entra(const Fermata& f) {
  const auto velocita = [](int v) { return v >= 0 && v <= 9999; };
  const auto ora = [](std::string_view t) { return t.size() == 5 && t[2] == '.'; };
  return velocita(f.vel_lim) && velocita(f.vel_marc) &&
         (!f.progressiva || (*f.progressiva >= 0 && *f.progressiva <= 999999999)) &&
         f.localita.size() < kLocalita &&
         (f.orario.empty() ? f.partenza.empty() : ora(f.orario)) &&
         (f.partenza.empty() || ora(f.partenza)) &&
         (f.recupero.empty() || f.recupero.size() == 1 || f.recupero.size() == 3);
}
static_assert(std::all_of(kOrario.begin(), kOrario.end(), entra));

std::string spazi(size_t n) { return std::string(n, ' '); }

// Right-aligned in the first four places, then one space.
std::string cella_velocita(int v) {
  if (v == 0) return spazi(kVelocita);
  const std::string cifre = std::to_string(v);
  return spazi(kVelocita - 1 - cifre.size()) + cifre + " ";
}

// Kilometres with a point and three decimals, right-aligned in the cell.
std::string cella_progressiva(std::optional<int> posizione) {
  if (!posizione) return spazi(kProgressiva);
  const int metri = *posizione;
  std::string decimali = std::to_string(metri % 1000);
  decimali.insert(0, 3 - decimali.size(), '0');
  const std::string km = std::to_string(metri / 1000) + "." + decimali;
  return spazi(kProgressiva - km.size()) + km;
}

// One space, then the name left-aligned, filled with spaces.
std::string cella_localita(std::string_view nome) {
  std::string cella = spazi(kLocalita);
  cella.replace(1, nome.size(), nome);
  return cella;
}

// A single time stands near the middle (six spaces before, five after); an
// arrival-departure pair has two spaces before it and one after.
std::string cella_orario(const Fermata& f) {
  if (f.orario.empty()) return spazi(kOrarioCella);
  if (f.partenza.empty()) return spazi(6) + std::string(f.orario) + spazi(5);
  return spazi(2) + std::string(f.orario) + " - " + std::string(f.partenza) + spazi(1);
}

std::string cella_recupero(std::string_view r) {
  if (r.empty()) return spazi(kRecupero);
  const size_t margine = (kRecupero - r.size()) / 2;
  return spazi(margine) + std::string(r) + spazi(margine);
}

std::string riga_orario(const Fermata& f) {
  return " |" + cella_velocita(f.vel_lim) + "|" + cella_velocita(f.vel_marc) + "|" +
         cella_progressiva(f.progressiva) + "|" + spazi(kNumero) + "|" +
         cella_localita(f.localita) + "|" + cella_orario(f) + "|" + cella_recupero(f.recupero) +
         "|";
}

// The card's lines, built once in place: the views point into `testi_`, which
// is never touched again after the constructor.
class Scheda {
 public:
  Scheda() {
    for (std::string_view riga : kTesta) testi_.emplace_back(riga);
    for (const Fermata& f : kOrario) testi_.push_back(riga_orario(f));
    for (size_t i = 0; i < kRigheVuote; ++i) testi_.push_back(riga_orario(Fermata{}));
    for (std::string_view riga : kCoda) testi_.emplace_back(riga);
    righe_.assign(testi_.begin(), testi_.end());
  }
  Scheda(const Scheda&) = delete;
  Scheda& operator=(const Scheda&) = delete;

  std::span<const std::string_view> righe() const { return righe_; }

 private:
  std::vector<std::string> testi_;
  std::vector<std::string_view> righe_;
};

}  // namespace

std::span<const std::string_view> righe_scheda() {
  static const Scheda scheda;
  return scheda.righe();
}

Status dati_scheda(const NomiFile& nomi) {
  return scrivi_lista(nomi.scheda(), ListaRighe(righe_scheda()));
}

}  // namespace scenario
