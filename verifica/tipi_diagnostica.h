// Every kind of diagnostic the check gives besides the compiler's own fault
// codes, with its severity. One rule decides the severity: an error where the
// compiled files would not hold what the author wrote (a value wrapped or cut,
// an entry or a text dropped); a warning where they hold it but it is most
// likely not what was meant; a note for a change that keeps the meaning.
// Every fault code of the compiler is an error.
//
// Each kind is a named constant, and a diagnostic is made from the constant,
// never from its name written out: a misspelt kind does not compile. The
// kinds the readers record (model/tipi_avviso.h) are checked against the
// table at compile time below.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "model/tipi_avviso.h"
#include "verifica/diagnostiche.h"

namespace scenario::tool {

struct TipoDiagnostica {
  std::string_view nome;   // the kind as printed and in the JSON
  Gravita gravita;
  std::string_view senso;  // what it means, for the guide and --help
};

namespace tipo {

inline constexpr TipoDiagnostica kChiaveSconosciuta{
    kAvvisoChiaveIgnota, Gravita::kErrore, "a key one or two letters away from a real one: its entry is dropped"};
inline constexpr TipoDiagnostica kSenzaChiave{
    "no-key", Gravita::kAvviso, "a field where a key belongs that is near no key: passed over"};
inline constexpr TipoDiagnostica kSenzaGenerale{
    "no-general", Gravita::kErrore, "the train description has no [generale]: nothing of it is read"};
inline constexpr TipoDiagnostica kPrimaDiGenerale{
    "before-general", Gravita::kAvviso, "an entry before [generale], where the reader passes everything over"};
inline constexpr TipoDiagnostica kValoreAvvolto{
    "value-wrapped", Gravita::kErrore, "a value outside what its byte or word stores would be kept wrapped"};
inline constexpr TipoDiagnostica kTestoLungo{
    "text-too-long", Gravita::kErrore, "a text longer than its 16-bit length would be cut"};
inline constexpr TipoDiagnostica kProgressivaPersa{
    "km-post-dropped", Gravita::kErrore, "a kilometre-post system the ordering of the three drops"};
inline constexpr TipoDiagnostica kFuori1252{
    "no-windows-1252", Gravita::kErrore, "a UTF-8 character with no place in Windows-1252"};
inline constexpr TipoDiagnostica kCodificaLarga{
    "utf-16-or-32", Gravita::kErrore, "a description in UTF-16 or UTF-32, which the compiler reads as 8-bit text"};
inline constexpr TipoDiagnostica kNelMargine{
    "in-margin", Gravita::kAvviso, "an object after the end of the line, in the spare cells the train never reaches"};
inline constexpr TipoDiagnostica kRallentamentoOltre{
    "slowdown-past-end", Gravita::kAvviso, "a slowdown that runs past the last station"};
inline constexpr TipoDiagnostica kCarattereControllo{
    "control-character", Gravita::kAvviso, "a control character in a name or a signpost text"};
inline constexpr TipoDiagnostica kFuoriOrdine{
    kAvvisoFuoriOrdine, Gravita::kAvviso, "an entry before one it follows in the file"};
inline constexpr TipoDiagnostica kSenzaEffetto{
    kAvvisoSenzaEffetto, Gravita::kAvviso, "an entry that earlier entries make useless in whole or in part"};
inline constexpr TipoDiagnostica kSostituito{
    kAvvisoSostituito, Gravita::kAvviso, "a mark or a stopping cell that a later entry replaces"};
inline constexpr TipoDiagnostica kOraFuoriScala{
    "time-out-of-range", Gravita::kAvviso, "hours, minutes or seconds outside a clock's range: the time is carried over"};
inline constexpr TipoDiagnostica kOrarioIndietro{
    "time-backwards", Gravita::kAvviso, "a station's time earlier than the one of the station before it"};
inline constexpr TipoDiagnostica kOrarioStretto{
    "timetable-too-fast", Gravita::kAvviso, "less time between two stops than the train needs at the speed limits"};
inline constexpr TipoDiagnostica kVelocitaArrotondata{
    "speed-rounded", Gravita::kAvviso, "a speed limit not a multiple of 5 km/h, or of 0 km/h"};
inline constexpr TipoDiagnostica kRallentamentoInutile{
    "slowdown-speed", Gravita::kAvviso, "a slowdown of 0 km/h, or faster than the line where it stands"};
inline constexpr TipoDiagnostica kMontagnaRovescia{
    "mountain-reversed", Gravita::kAvviso, "a mountain section that ends before it begins: nothing is drawn"};
inline constexpr TipoDiagnostica kConvertito{
    "converted-from-utf-8", Gravita::kNota, "a UTF-8 description converted to Windows-1252"};
inline constexpr TipoDiagnostica kRegistroPieno{
    "record-full", Gravita::kNota, "a pair of more than 100000 entries: the later ones' values are not checked"};

}  // namespace tipo

// Every kind, in the order the guide lists them.
inline constexpr std::array kTipiDiagnostica{
    tipo::kChiaveSconosciuta, tipo::kSenzaChiave,   tipo::kSenzaGenerale,       tipo::kPrimaDiGenerale,
    tipo::kValoreAvvolto,
    tipo::kTestoLungo,        tipo::kProgressivaPersa, tipo::kFuori1252,        tipo::kCodificaLarga,
    tipo::kNelMargine,
    tipo::kRallentamentoOltre, tipo::kCarattereControllo, tipo::kFuoriOrdine,  tipo::kSenzaEffetto,
    tipo::kSostituito,        tipo::kOraFuoriScala, tipo::kOrarioIndietro,     tipo::kOrarioStretto,
    tipo::kVelocitaArrotondata, tipo::kRallentamentoInutile, tipo::kMontagnaRovescia, tipo::kConvertito,
    tipo::kRegistroPieno,
};

// The kind's entry; nullptr for a name not in the table.
constexpr const TipoDiagnostica* cerca_tipo(std::string_view nome) {
  for (const TipoDiagnostica& t : kTipiDiagnostica) {
    if (t.nome == nome) return &t;
  }
  return nullptr;
}

constexpr bool nomi_distinti() {
  for (size_t i = 0; i < kTipiDiagnostica.size(); ++i) {
    for (size_t j = i + 1; j < kTipiDiagnostica.size(); ++j) {
      if (kTipiDiagnostica[i].nome == kTipiDiagnostica[j].nome) return false;
    }
  }
  return true;
}
static_assert(nomi_distinti(), "two kinds of diagnostic share a name");

// Whether a kind of this name is in the table. (A test by name, not by the
// entry's address: some builds, the sanitizers' among them, do not take an
// address in a constant expression.)
constexpr bool tipo_noto(std::string_view nome) {
  for (const TipoDiagnostica& t : kTipiDiagnostica) {
    if (t.nome == nome) return true;
  }
  return false;
}
// Every warning the readers record is shown under its own kind, except the
// tie of kilometre-post systems, told as the systems it drops (km-post-dropped).
static_assert(tipo_noto(kAvvisoChiaveIgnota) && tipo_noto(kAvvisoFuoriOrdine) && tipo_noto(kAvvisoSenzaEffetto) &&
                  tipo_noto(kAvvisoSostituito),
              "a kind of the readers' warnings is missing from the table");

inline std::span<const TipoDiagnostica> tipi_diagnostica() { return kTipiDiagnostica; }

// The kind of a compiler fault code ("fault-16").
std::string nome_tipo_guasto(int codice);

// A diagnostic of the kind, with the kind's severity.
Diagnostica nuova_diagnostica(const TipoDiagnostica& tipo);
// A diagnostic of a compiler fault code: an error.
Diagnostica nuova_diagnostica_guasto(int codice);
// A diagnostic of a warning the readers recorded, by its kind's name; a name
// not in the table (none today: checked above) would show as an error.
Diagnostica nuova_diagnostica_avviso(std::string_view nome);

}  // namespace scenario::tool
