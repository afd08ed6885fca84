// Where two versions of a compiled file differ, record by record and field by
// field: the decompiler's check of its own texts against the input files.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/flusso_tracciato.h"
#include "model/tracciato.h"

namespace scenario::decompila {

struct Differenza {
  std::string file;      // the compiled file's name
  std::string record;    // "row 84", "cell 25", "metre 1234"
  std::string campo;     // "dato2", "valore_a", "x"
  std::string atteso;    // as the input file holds it
  std::string ottenuto;  // as the decompiled texts compile
};

// Each appends the differences of `ottenuto` from `atteso`; nothing when the
// bytes are equal. A side that does not decode is one difference of the whole
// file.
void confronta_tabella(const std::string& file, std::string_view atteso, std::string_view ottenuto,
                       std::vector<Differenza>* differenze);
void confronta_celle(const std::string& file, std::string_view atteso, std::string_view ottenuto,
                     std::vector<Differenza>* differenze);
void confronta_tracciato(const std::string& file, std::string_view atteso, std::string_view ottenuto,
                         std::vector<Differenza>* differenze);

// As confronta_tracciato(), against a plan `ottenuto` that is encoded a piece
// at a time and compared as it goes: the encoded file is made whole only
// when it differs, to list the differences.
void confronta_tracciato(const std::string& file, std::string_view atteso, const Tracciato* ottenuto,
                         std::vector<Differenza>* differenze);
// The same against a plan file of `byte` bytes read a piece at a time through
// `atteso`, each piece as its encoded counterpart is made: the file is read
// whole only when the two differ, to list where.
void confronta_tracciato(const std::string& file, const LeggiPezzo& atteso, uint64_t byte, const Tracciato* ottenuto,
                         std::vector<Differenza>* differenze);

}  // namespace scenario::decompila
