// The three compiled files: the table file, the cell file and the track-plan
// file. Each is the straight little-endian encoding of one array of the route
// model, with no header, count, version or trailer.
#pragma once

#include <cstddef>
#include <string>

#include "model/modello.h"
#include "platform/status.h"

namespace scenario {

struct Compilatore;

// Table record: tipo u8, dato1 i32, dato2 i32, dato3 i32, segno u8,
// testo (u16 length + bytes), intero1..5 i16, byte1..4 u8, dato4 i32.
constexpr size_t kRecordElementoFisso = 1 + 4 + 4 + 4 + 1 + 2 + 5 * 2 + 4 * 1 + 4;
static_assert(kRecordElementoFisso == 34);
// Cell record: tipo u8, valore_a..d i16, tempo, avviso, montagna, velocita,
// pendenza, aderenza u8.
constexpr size_t kRecordCella = 1 + 4 * 2 + 6 * 1;
static_assert(kRecordCella == 15);

std::string codifica_elementi(const Elementi& elementi);
std::string codifica_celle(const std::vector<Cella>& celle);
std::string codifica_tracciato(const Tracciato& tracciato);

// Writes the track-plan file (only when genera_tracciato is non-zero), the
// table file and the cell file, in this order, each replaced whole.
Status scrivi_file_compilati(const Compilatore& stato);

}  // namespace scenario
