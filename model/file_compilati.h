// The three compiled files: the table file, the cell file and the track-plan
// file. Each is the straight little-endian encoding of one array of the route
// model, with no header, count, version or trailer.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/modello.h"

namespace scenario {

// Table record: tipo u8, dato1 i32, dato2 i32, dato3 i32, segno u8,
// testo (u16 length + bytes), intero1..5 i16, byte1..4 u8, dato4 i32.
constexpr size_t kRecordElementoFisso = 1 + 4 + 4 + 4 + 1 + 2 + 5 * 2 + 4 * 1 + 4;
static_assert(kRecordElementoFisso == 34);
// Cell record: tipo u8, valore_a..d i16, tempo, avviso, montagna, velocita,
// pendenza, aderenza u8.
constexpr size_t kRecordCella = 1 + 4 * 2 + 6 * 1;
static_assert(kRecordCella == 15);

// The bytes of the three files of a compiled model. The plan is absent when
// none was asked for (genera_tracciato 0) or none was drawn.
struct FileCodificati {
  std::optional<std::string> tracciato;
  std::string tabella;
  std::string celle;
};

struct Compilatore;
FileCodificati codifica_file_compilati(const Compilatore& stato);

std::string codifica_elementi(const Elementi& elementi);
std::string codifica_celle(const std::vector<Cella>& celle);
std::string codifica_tracciato(const Tracciato& tracciato);

// The plan is the one large file: a writer takes its bytes piece by piece
// through `consegna` (which returns false to stop), so that they are never
// held whole in memory a second time. The pieces add up to
// dimensione_tracciato() bytes and join into codifica_tracciato().
void codifica_tracciato_a_pezzi(const Tracciato& tracciato, const std::function<bool(std::string_view)>& consegna);
size_t dimensione_tracciato(const Tracciato& tracciato);

}  // namespace scenario
