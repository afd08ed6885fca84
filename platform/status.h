// The result of an operation on the file system: success, or a message that
// names the file and the system's reason.
#pragma once

#include <string>
#include <utility>

#include "platform/da_tradurre.h"

namespace scenario {

class Status {
 public:
  Status() = default;
  static Status Ok() { return Status(); }
  static Status Error(std::string messaggio) { return Status(Testo{"%1", {std::move(messaggio)}}); }
  // The message made of a template marked with N_ and its values.
  static Status Error(Testo testo) { return Status(std::move(testo)); }

  bool ok() const { return messaggio_.empty(); }
  // The message in English.
  const std::string& messaggio() const { return messaggio_; }
  // What the message is made of, for showing it in another language.
  const Testo& testo() const { return testo_; }

 private:
  explicit Status(Testo testo) : messaggio_(testo.inglese()), testo_(std::move(testo)) {
    if (messaggio_.empty()) {
      testo_ = Testo{N_("file-system failure"), {}};
      messaggio_ = testo_.inglese();
    }
  }
  std::string messaggio_;
  Testo testo_;
};

}  // namespace scenario
