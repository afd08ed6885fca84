// Text for standard output gathered in a buffer of a fixed size and handed
// on a piece at a time: a long listing costs the buffer, not its whole
// length, and numbers are formatted without a stream's locale machinery.
#pragma once

#include <charconv>
#include <concepts>
#include <cstring>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

namespace scenario::tool {

class UscitaAPezzi {
 public:
  explicit UscitaAPezzi(std::ostream& out) : out_(out), buffer_(new char[kPezzo]) {}
  ~UscitaAPezzi() { svuota(); }
  UscitaAPezzi(const UscitaAPezzi&) = delete;
  UscitaAPezzi& operator=(const UscitaAPezzi&) = delete;

  UscitaAPezzi& operator<<(std::string_view testo) {
    if (testo.size() > kPezzo - usati_) {
      svuota();
      if (testo.size() > kPezzo) {
        out_.write(testo.data(), static_cast<std::streamsize>(testo.size()));
        return *this;
      }
    }
    std::memcpy(buffer_.get() + usati_, testo.data(), testo.size());
    usati_ += testo.size();
    return *this;
  }
  UscitaAPezzi& operator<<(const char* testo) { return *this << std::string_view(testo); }
  UscitaAPezzi& operator<<(const std::string& testo) { return *this << std::string_view(testo); }
  UscitaAPezzi& operator<<(char c) { return *this << std::string_view(&c, 1); }
  // Integers in decimal; a double in the shortest form that reads back as
  // the same number (1.5, 0.1, 1e-05). Formatted in place in the buffer.
  template <typename N>
    requires(std::integral<N> || std::floating_point<N>) && (!std::same_as<N, char>) && (!std::same_as<N, bool>)
  UscitaAPezzi& operator<<(N numero) {
    if (kPezzo - usati_ < kNumeroPiuLungo) svuota();
    usati_ = static_cast<size_t>(std::to_chars(buffer_.get() + usati_, buffer_.get() + kPezzo, numero).ptr - buffer_.get());
    return *this;
  }

  // More than the longest integer or shortest double ("-2.2250738585072014e-308").
  static constexpr size_t kNumeroPiuLungo = 32;

  // Room for up to `n` bytes (at most a piece) written in
  // place from the pointer given; fatto() takes the end of what was written.
  // A line of several fields goes in with one check instead of one a field.
  char* spazio(size_t n) {
    if (kPezzo - usati_ < n) svuota();
    return buffer_.get() + usati_;
  }
  void fatto(const char* fine) { usati_ = static_cast<size_t>(fine - buffer_.get()); }

  void svuota() {
    out_.write(buffer_.get(), static_cast<std::streamsize>(usati_));
    usati_ = 0;
  }

 private:
  static constexpr size_t kPezzo = 1 << 16;
  std::ostream& out_;
  std::unique_ptr<char[]> buffer_;
  size_t usati_ = 0;
};

}  // namespace scenario::tool
