// The result of an operation on the file system: success, or a message that
// names the file and the system's reason.
#pragma once

#include <string>
#include <utility>

namespace scenario {

class Status {
 public:
  Status() = default;
  static Status Ok() { return Status(); }
  static Status Error(std::string messaggio) { return Status(std::move(messaggio)); }

  bool ok() const { return messaggio_.empty(); }
  const std::string& messaggio() const { return messaggio_; }

 private:
  explicit Status(std::string messaggio) : messaggio_(std::move(messaggio)) {
    if (messaggio_.empty()) messaggio_ = "file-system failure";
  }
  std::string messaggio_;
};

}  // namespace scenario
