// The intent record of a set of files being replaced: written whole before
// the first of the set's renames and removed after the last, so that a run
// killed between its renames leaves a record of what it was doing, and the
// next run that writes into the folder completes the set (or, where it
// cannot, puts the earlier set back) before anything else.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"

namespace scenario {

// The record's name in the folder of the set: hidden, and ours.
constexpr std::string_view kNomeDiario = ".scenario-set-journal";

// One file of the set: its target, the finished new file under its temporary
// name, and the earlier file kept under a second name (empty: there was none).
// All three are names in the record's folder, without the folder.
struct VoceDiario {
  std::string bersaglio;
  std::string nuovo;
  std::string copia;
  bool operator==(const VoceDiario&) const = default;
};

// The record's bytes, and back: a count, then each name as its length in
// decimal, a colon and its bytes. Any name a file may have fits; a record cut
// short or malformed reads as none.
std::string codifica_diario(const std::vector<VoceDiario>& voci);
bool decodifica_diario(std::string_view testo, std::vector<VoceDiario>* voci);

// Completes the set an interrupted run left recorded in `cartella` (a folder
// path ending in its separator, or empty for the current folder): each new
// file still under its temporary name is put in place, the earlier files kept
// aside are removed, then the record. When a new file cannot be put in place
// the set is undone instead: every earlier file back, every new one gone.
// Called under the folder's lock, before the leftovers are cleaned.
void completa_insieme_interrotto(const std::string& cartella);

// Test seam: when set, the set replacement calls it at each step between
// writing its record and removing it (0: the record written, before the first
// rename; k: after the k-th rename), so that a test can end the process there.
void imposta_passo_insieme(std::function<void(int passo)> passo);
void passo_insieme(int passo);

}  // namespace scenario
