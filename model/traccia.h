// What the readers read, entry by entry, and which entry put the object of
// each cell there. The program keeps no such record; a check asks for one, so
// that a diagnostic can name the entry behind a cell, a value as it was
// written before a narrow field kept it, or a text before it was stored.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace scenario {

// Where a field stands: line and column (bytes, from 1) and its length.
struct Dove {
  int riga = 0;
  size_t colonna = 0;
  size_t larghezza = 0;
};

struct VoceLetta {
  // The words of the key test that took the entry, as its key table has them.
  std::string_view parola;
  std::string_view seconda;
  std::string_view file;          // the description's name, held by the record (Traccia::nome)
  Dove chiave;                    // the key field
  std::vector<int32_t> valori;    // the numbers read, in order
  std::vector<Dove> dove_valori;  // where each of them stands
  std::string testo;              // the text value (station name, signpost text), as read
  Dove dove_testo;
};

// The value a reading failure was met at: the field as written, and the
// range of the value it was to fill (a field that is a whole number failed
// for being outside it). `fine_testo` when the text ended before the field.
struct LetturaFallita {
  std::string campo;
  bool fine_testo = false;
  int64_t minimo = 0;
  int64_t massimo = 0;
};

// What a record holds beside its entries and their names: small, and taken
// whole where a reading is marked to be taken up again (Traccia::Segno).
struct StatoTraccia {
  bool troncata = false;           // entries past Traccia::kMassimoVoci were read and not recorded
  std::string_view file_troncata;  // the description whose entry first found the record full
  bool voce_aperta = false;        // the entry being read is the last one recorded
  // Once the record is full, the entry being read is still kept, alone, in
  // `oltre` (each one in the place of the one before), so that a fault met in
  // it is told as fully as in an entry recorded.
  VoceLetta oltre;
  bool oltre_aperta = false;  // the entry being read is `oltre`
  // Per cell: the entry (index into voci) whose placement wrote the cell's
  // type last; -1 for none.
  std::vector<int32_t> origine;
  bool treno_letto = false;        // the train half ran
  bool generale_treno = false;     // the train description had its "[generale]"
  LetturaFallita lettura_fallita;  // the last reading failure
  // The busy cell a placement met when it recorded a fault; -1 for none.
  int64_t cella_occupata = -1;

  // Whether a key lies near an unknown key field (of the train description
  // when `di_treno`): the check's test, which sorts the unknown keys it only
  // counts into the near (errors) and the rest (warnings).
  bool (*chiave_vicina)(std::string_view campo, bool di_treno) = nullptr;
};

struct Traccia : StatoTraccia {
  Traccia() = default;
  // A copy points its entries' names into its own list of names.
  Traccia(const Traccia& altra) { *this = altra; }
  Traccia& operator=(const Traccia& altra);
  Traccia(Traccia&&) = default;  // a deque moved keeps its strings where they were
  Traccia& operator=(Traccia&&) = default;
  ~Traccia() = default;

  // Entries recorded at most: a record costs some hundred bytes an entry, and
  // a description may hold millions of lines. Past it nothing more is
  // recorded, and the record says so.
  static constexpr size_t kMassimoVoci = 100000;

  std::vector<VoceLetta> voci;
  // Makes room at once for an entry a line of the descriptions to be read:
  // grown an entry at a time, the record would be moved, and fresh pages
  // touched, at every doubling, a good part of a long line's reading.
  void riserva(std::initializer_list<std::string_view> testi) {
    size_t righe = voci.size();
    for (const std::string_view testo : testi) {
      righe += static_cast<size_t>(std::count(testo.begin(), testo.end(), '\n')) + 1;
    }
    voci.reserve(std::min(kMassimoVoci, righe));
  }
  // The names the entries' `file` points into: one string per description,
  // not one per entry.
  std::deque<std::string> nomi;
  std::string_view nome(const std::string& nome) {
    if (nomi.empty() || nomi.back() != nome) nomi.push_back(nome);
    return nomi.back();
  }

  // Opens the record of an entry; false, and nothing recorded, past the limit.
  // `file` is the entry's description, as nome() keeps it.
  bool apri(std::string_view file = {}) {
    voce_aperta = voci.size() < kMassimoVoci;
    oltre_aperta = !voce_aperta;
    if (!voce_aperta && !troncata) file_troncata = file;
    troncata = troncata || !voce_aperta;
    return voce_aperta;
  }

  // The entry being read, recorded or kept past the limit; nullptr before
  // any entry.
  VoceLetta* aperta() { return voce_aperta ? &voci.back() : oltre_aperta ? &oltre : nullptr; }
  const VoceLetta* aperta() const { return voce_aperta ? &voci.back() : oltre_aperta ? &oltre : nullptr; }

  // The entry being read put the object of cell i there.
  void posa(int64_t i) {
    if (i < 0) return;
    if (static_cast<size_t>(i) >= origine.size()) origine.resize(static_cast<size_t>(i) + 1, -1);
    origine[static_cast<size_t>(i)] = voce_aperta ? static_cast<int32_t>(voci.size()) - 1 : -1;
  }

  // The record as it stood between two entries of a reading, to go back to:
  // the entries recorded by then never change after, so they are only
  // counted, and so are the names.
  struct Segno {
    size_t voci = 0;
    size_t nomi = 0;
    StatoTraccia stato;
  };
  Segno segno() const { return Segno{voci.size(), nomi.size(), *this}; }
  // Back to the moment of `s`. The record must have grown since by the same
  // reading (the texts alike up to that moment): what it held then is kept.
  void torna(const Segno& s);

  // Whether `v` was taken by the key test of these words (in either order).
  static bool di_chiave(const VoceLetta& v, std::string_view parola, std::string_view seconda = {}) {
    return (v.parola == parola && v.seconda == seconda) || (v.parola == seconda && v.seconda == parola);
  }

  // The entry that put the object of cell i there, or nullptr.
  const VoceLetta* di_cella(int64_t i) const {
    if (i < 0 || static_cast<size_t>(i) >= origine.size() || origine[static_cast<size_t>(i)] < 0) return nullptr;
    return &voci[static_cast<size_t>(origine[static_cast<size_t>(i)])];
  }
};

}  // namespace scenario
