// The diagnostics of a check: every fault and warning found in one pass over
// a description pair, each with its severity, where it stands and a hint. The
// collection keeps output bounded: of each kind of diagnostic in one file only
// the first kMassimoPerTipo are kept in full; the rest are only counted.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "testi/json.h"

namespace scenario::tool {

enum class Gravita { kErrore, kAvviso, kNota };

// "error", "warning", "note": the words compilers print.
const char* nome_gravita(Gravita g);

struct Diagnostica {
  Gravita gravita = Gravita::kErrore;
  std::string tipo{};               // the kind, a short fixed name ("unknown-key", "fault-16", ...)
  std::string file{};               // the author's path; empty when no file applies
  int riga = 0;                     // from 1; 0 when no line applies
  size_t colonna = 0;               // byte of the line, from 1; 0 when none
  size_t larghezza = 1;             // bytes of the field the caret marks
  std::string messaggio{};            // UTF-8 as shown, any text of the input already made visible
  std::string suggerimento{};         // the hint, the same way; empty when none helps
  std::string citazione{};            // the line quoted, 8-bit; empty when none
  std::optional<int32_t> codice{};    // the fault code, for faults the compiler records
  std::optional<int32_t> posizione{}; // metres, for codes that give one
  // The position, metres, the hint proposes for the entry's position field
  // (its first value), where the hint gives one.
  std::optional<int64_t> posizione_consentita{};
};

class Diagnostiche {
 public:
  static constexpr size_t kMassimoPerTipo = 20;

  // With `severo`, every warning counts and shows as an error.
  explicit Diagnostiche(bool severo = false) : severo_(severo) {}

  // Whether a diagnostic of this kind in this file would still be kept in
  // full: a caller with many of one kind can skip building the rest.
  bool da_tenere(const std::string& file, const std::string& tipo) const;
  // Adds one diagnostic; it is kept in full or only counted.
  void aggiungi(Diagnostica d);
  // Counts `quante` more diagnostics of a kind, after those added, without
  // their text: a caller that built only the first of a kind.
  void conta(const std::string& file, const std::string& tipo, Gravita gravita, size_t quante);

  struct Tipo {
    std::string file;
    std::string tipo;
    Gravita gravita;
    size_t quante = 0;
  };

  const std::vector<Diagnostica>& tenute() const { return tenute_; }
  // Every kind met, in the order it was first met, with its full count.
  std::vector<Tipo> tipi() const;
  size_t errori() const { return errori_; }
  size_t avvisi() const { return avvisi_; }
  size_t note() const { return note_; }

 private:
  Tipo& conta_uno(const std::string& file, const std::string& tipo, Gravita gravita, size_t quante);

  bool severo_;
  std::vector<Diagnostica> tenute_;
  std::vector<Tipo> tipi_;
  std::map<std::pair<std::string, std::string>, size_t> indice_;  // (file, kind) -> entry of tipi_
  size_t errori_ = 0;
  size_t avvisi_ = 0;
  size_t note_ = 0;
};

// The kept diagnostics in the form editors understand, "FILE:LINE:COLUMN:
// error: message", each followed by its quoted line and its hint; then, for
// each kind that had more than were kept, one line "FILE: … and N more".
void stampa_diagnostiche(const Diagnostiche& d, std::ostream& out);

// JSON arrays of the diagnostics: "faults" (errors) and "warnings" (warnings
// and notes), the kept ones in full; "kinds", every kind with its count.
// Added as members of the enclosing object `oggetto`, after its own.
void json_diagnostiche(const Diagnostiche& d, Json* oggetto);

}  // namespace scenario::tool
