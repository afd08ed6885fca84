// What the compiler needs of the file system: whole-file reads, safe
// whole-file replacement, existence tests and deletion.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"

namespace scenario {

// A replacement written piece by piece, for content too large to build in
// memory first. apri() makes the temporary file, scrivi() appends, scrivi_in()
// writes at an offset, chiudi() renames it over the target. A failure, or an
// object destroyed before chiudi(), removes the temporary file and leaves the
// target as it was.
class FileInSostituzione {
 public:
  FileInSostituzione() = default;
  ~FileInSostituzione();
  FileInSostituzione(const FileInSostituzione&) = delete;
  FileInSostituzione& operator=(const FileInSostituzione&) = delete;

  Status apri(const std::string& percorso);
  Status scrivi(std::string_view pezzo);
  // Writes at `posizione` from the file's start, leaving the position of
  // scrivi() alone.
  Status scrivi_in(uint64_t posizione, std::string_view pezzo);
  Status chiudi();
  // chiudi() in its two halves, for files replaced as a set: completa()
  // closes the temporary file, rinomina() puts it over the target.
  Status completa();
  Status rinomina();
  const std::string& percorso() const { return percorso_; }
  // The temporary file's path, while there is one.
  const std::string& temporaneo() const { return temporaneo_; }

 private:
  void abbandona();
  Status fallisci(const char* modello, int numero_errore);

  std::string percorso_;
  std::string temporaneo_;
  // The open temporary file: a descriptor, or a handle on Windows.
  std::intptr_t maniglia_ = -1;
};

// Replaces the file at `percorso` with `contenuto`, whole. The bytes go to a
// temporary file in the same folder, every write and the close are checked,
// and only then is it renamed over the target: a failure (or a kill) leaves the
// earlier file as it was, and a failure removes the temporary file.
Status sostituisci_file(const std::string& percorso, std::string_view contenuto);

// Reads the whole file into `contenuto`.
Status leggi_file(const std::string& percorso, std::string* contenuto);

// Reads the file into `contenuto` unless it holds more than `massimo` bytes:
// then `*troppo_grande` is set, `contenuto` is left empty, and no more than
// `massimo` + 1 bytes were read (a regular file larger than `massimo` is not
// read at all). `*dimensione` receives the size the file turned out to have, or
// at least `massimo` + 1 when it is larger.
Status leggi_file_limitato(const std::string& percorso, uint64_t massimo, std::string* contenuto,
                           bool* troppo_grande, uint64_t* dimensione);

bool file_esiste(const std::string& percorso);

// Deletes the file; a file that does not exist is no failure.
Status elimina_file(const std::string& percorso);

// A failure of a system call on `percorso`: `modello` (marked with N_) with the
// path as %1 and the system's reason as %2, "cannot write %1: %2" giving
// "cannot write PATH: No space left on device".
Status errore_sistema(std::string_view modello, const std::string& percorso, int numero_errore);

class BloccoCartella;

// A run killed during a replacement leaves its temporary file behind. The
// holder of the folder's lock removes the leftovers of the files it is about
// to write, named in `nomi` (names alone, without the folder): only those, so
// that a file of someone else's that merely looks like one of ours stays, and
// only under the lock, so that another run's replacement in progress keeps
// its file.
void rimuovi_temporanei(const BloccoCartella& blocco, const std::vector<std::string>& nomi);

// Test seam: when set, every replacement asks it first and fails, as a failed
// write would, when it answers true. Pass nullptr to clear it.
void imposta_guasto_scrittura(std::function<bool(const std::string& percorso)> guasto);

// Test seam: when set, every rename of a finished replacement over its target
// asks it first and fails, as a failed rename would, when it answers true.
void imposta_guasto_rinomina(std::function<bool(const std::string& percorso)> guasto);

// Test seam: when set to true, the volume is taken to refuse hard links, as
// FAT and exFAT do: an earlier file of a set is kept by a copy.
void imposta_collegamenti_rifiutati(bool rifiutati);

// Whether the seam fails the write of `percorso`.
bool guasto_simulato(const std::string& percorso);

}  // namespace scenario
