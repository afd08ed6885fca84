// Text for standard output gathered in a buffer of a fixed size and handed
// on a piece at a time: a long listing costs the buffer, not its whole
// length, and numbers are formatted without a stream's locale machinery.
#pragma once

#include <charconv>
#include <concepts>
#include <ostream>
#include <string>
#include <string_view>

namespace scenario::tool {

class UscitaAPezzi {
 public:
  explicit UscitaAPezzi(std::ostream& out) : out_(out) { buffer_.reserve(kPezzo + 64); }
  ~UscitaAPezzi() { svuota(); }
  UscitaAPezzi(const UscitaAPezzi&) = delete;
  UscitaAPezzi& operator=(const UscitaAPezzi&) = delete;

  UscitaAPezzi& operator<<(std::string_view testo) {
    buffer_.append(testo);
    if (buffer_.size() >= kPezzo) svuota();
    return *this;
  }
  UscitaAPezzi& operator<<(const char* testo) { return *this << std::string_view(testo); }
  UscitaAPezzi& operator<<(const std::string& testo) { return *this << std::string_view(testo); }
  UscitaAPezzi& operator<<(char c) { return *this << std::string_view(&c, 1); }
  // Integers in decimal; a double in the shortest form that reads back as
  // the same number (1.5, 0.1, 1e-05).
  template <typename N>
    requires(std::integral<N> || std::floating_point<N>) && (!std::same_as<N, char>) && (!std::same_as<N, bool>)
  UscitaAPezzi& operator<<(N numero) {
    char testo[32];
    const auto fine = std::to_chars(testo, testo + sizeof testo, numero).ptr;
    return *this << std::string_view(testo, static_cast<size_t>(fine - testo));
  }

  void svuota() {
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
  }

 private:
  static constexpr size_t kPezzo = 1 << 16;
  std::ostream& out_;
  std::string buffer_;
};

}  // namespace scenario::tool
