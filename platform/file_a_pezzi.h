// A file read a piece at a time at any position, so that a large file is
// never held whole: the reader asks for the bytes it needs next.
#pragma once

#include <cstdint>
#include <string>

#include "platform/status.h"

namespace scenario {

class FileAPezzi {
 public:
  FileAPezzi() = default;
  ~FileAPezzi();
  FileAPezzi(const FileAPezzi&) = delete;
  FileAPezzi& operator=(const FileAPezzi&) = delete;

  // Opens the file, unless it holds more than `massimo` bytes: then
  // `*troppo_grande` is set and nothing is read. A file that cannot be read at
  // a position (a pipe, a device) is read whole, at most `massimo` + 1 bytes,
  // as leggi_file_limitato() does; dimensione() is its size either way.
  Status apri(const std::string& percorso, uint64_t massimo, bool* troppo_grande);
  uint64_t dimensione() const { return dimensione_; }

  // Up to `quanti` bytes from `posizione` into `dove`; fewer only at the end of
  // the file, or after a failure of the system, which errore() then reports.
  size_t leggi(uint64_t posizione, char* dove, size_t quanti);
  const Status& errore() const { return errore_; }

 private:
  size_t leggi_dal_sistema(uint64_t posizione, char* dove, size_t quanti);
  void chiudi();
  // Closes what was open and starts over with `percorso`.
  void ricomincia(const std::string& percorso, bool* troppo_grande);

  std::string percorso_;
  // The open file: a descriptor, or a handle on Windows; -1 when the file is
  // held in `intero_`.
  std::intptr_t maniglia_ = -1;
  std::string intero_;
  uint64_t dimensione_ = 0;
  Status errore_ = Status::Ok();
};

}  // namespace scenario
