// What the compiler needs of the file system: whole-file reads, safe
// whole-file replacement, existence tests and deletion.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

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

 private:
  void abbandona();
  Status fallisci(const char* azione, int numero_errore);

  std::string percorso_;
  std::string temporaneo_;
  int fd_ = -1;
};

// Replaces the file at `percorso` with `contenuto`, whole. The bytes go to a
// temporary file in the same folder, every write and the close are checked,
// and only then is it renamed over the target: a failure (or a kill) leaves the
// earlier file as it was, and a failure removes the temporary file.
Status sostituisci_file(const std::string& percorso, std::string_view contenuto);

// Reads the whole file into `contenuto`.
Status leggi_file(const std::string& percorso, std::string* contenuto);

bool file_esiste(const std::string& percorso);

// Deletes the file; a file that does not exist is no failure.
Status elimina_file(const std::string& percorso);

// A failure of the system call behind `azione` on `percorso`: "cannot write
// PATH: No space left on device".
Status errore_sistema(const std::string& azione, const std::string& percorso, int numero_errore);

// Test seam: when set, every replacement asks it first and fails, as a failed
// write would, when it answers true. Pass nullptr to clear it.
void imposta_guasto_scrittura(std::function<bool(const std::string& percorso)> guasto);

}  // namespace scenario
