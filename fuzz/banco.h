// What the fuzz targets share: a private folder for the whole process, a
// compiler state for the scenario whose files live there, and the checks that
// hold after any input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "model/nomi_file.h"
#include "model/stato.h"

namespace scenario::fuzz {

// The folder of this process, made with mkdtemp under the system's temporary
// folder on first use and removed, with what it holds, when the process ends.
const std::string& cartella_privata();

// A compiler state as the compile step sets it up before reading: the
// scenario's identity, the plan requested.
Compilatore stato_nuovo();

// The scenario's file names in the private folder.
const NomiFile& nomi_privati();

// Writes `testo` whole to `percorso`. The harness cannot go on without its
// input on disk, so a failure aborts.
void scrivi_testo(const std::string& percorso, std::string_view testo);

// The model's sizes agree with each other: `celle` holds ultima_cella + 1
// cells and the plan lunghezza_tracciato + 1 rows in both columns. The layout
// pass and the encoders index by these numbers. Aborts otherwise.
void controlla_modello(const Compilatore& stato);

// Empties the private folder, so that no input sees what an earlier one left.
// Aborts when a replacement left its temporary file behind: a replacement that
// fails must remove it, and one that succeeds renames it.
void svuota_cartella();

// The fuzzer's bytes as text.
inline std::string_view come_testo(const uint8_t* dati, size_t dimensione) {
  return std::string_view(reinterpret_cast<const char*>(dati), dimensione);
}

// The compile target's input: the line description, then the train
// description after the first NUL byte (none: no train text).
constexpr char kSeparatoreCoppia = '\0';
std::pair<std::string_view, std::string_view> dividi_coppia(const uint8_t* dati, size_t dimensione);

// The compiled-files target's input: a table, a cell file and a plan. Two
// 32-bit little-endian lengths come first, the table's and the cells'; each is
// cut to what the input still holds, and the plan is the rest. An input too
// short for the two lengths is all table.
struct FileCompilati {
  std::string_view tabella;
  std::string_view celle;
  std::string_view tracciato;
};
FileCompilati dividi_compilati(const uint8_t* dati, size_t dimensione);
// The input that dividi_compilati splits into the three files given.
std::string unisci_compilati(std::string_view tabella, std::string_view celle, std::string_view tracciato);

// Prints the message on standard error and aborts, so that the fuzzer keeps
// the input that led here.
[[noreturn]] void fallisci(const std::string& messaggio);

}  // namespace scenario::fuzz
