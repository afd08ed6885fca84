// Runs that write into one folder take turns, and a run that reads a set of
// files there waits for a writer to finish. Each holds an advisory lock on
// the folder itself for its whole run: no lock file is made, so none is ever
// left behind, and the system drops the lock when the holder ends, however it
// ends.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/status.h"

namespace scenario {

class BloccoCartella {
 public:
  BloccoCartella() = default;
  ~BloccoCartella();
  BloccoCartella(const BloccoCartella&) = delete;
  BloccoCartella& operator=(const BloccoCartella&) = delete;

  // Takes the lock on `cartella`. When another run holds it, calls
  // `in_attesa` once and waits for it. A reader takes it `condiviso`: readers
  // read side by side, and never while a writer replaces the folder's files
  // (on Windows, where the lock is a mutex, a reader takes it whole).
  Status prendi(const std::string& cartella, const std::function<void()>& in_attesa, bool condiviso = false);

  const std::string& cartella() const { return cartella_; }

 private:
  // What holds the lock: the folder's descriptor, or a mutex's handle on
  // Windows.
  std::intptr_t maniglia_ = -1;
  std::string cartella_;
  std::wstring nome_;  // Windows: the mutex's name
};

}  // namespace scenario
