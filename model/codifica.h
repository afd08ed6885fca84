// Little-endian field encoders. Each appends one field to a byte buffer by
// shifting, so the bytes do not depend on the host.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

namespace scenario {

inline void PutU8(std::string* out, uint8_t v) { out->push_back(static_cast<char>(v)); }

inline void PutU16(std::string* out, uint16_t v) {
  out->push_back(static_cast<char>(v & 0xFF));
  out->push_back(static_cast<char>(v >> 8));
}

inline void PutI16(std::string* out, int16_t v) { PutU16(out, static_cast<uint16_t>(v)); }

inline void PutU32(std::string* out, uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out->push_back(static_cast<char>((v >> shift) & 0xFF));
}

inline void PutI32(std::string* out, int32_t v) { PutU32(out, static_cast<uint32_t>(v)); }

inline void PutF64(std::string* out, double v) {
  const uint64_t bits = std::bit_cast<uint64_t>(v);
  for (int shift = 0; shift < 64; shift += 8) out->push_back(static_cast<char>((bits >> shift) & 0xFF));
}

// The same encodings stored at a cursor into a buffer already sized; each
// returns the cursor past what it stored. The bulk of the compiled bytes (the
// track plan, one point per metre) goes through these. On a little-endian host
// a value's own bytes are its encoding, copied whole (one store); elsewhere
// they are put down by shifting.
template <typename T>
inline char* EncodeLittleEndian(char* dst, T v) {
  static_assert(std::is_unsigned_v<T>);
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(dst, &v, sizeof v);
  } else {
    for (size_t i = 0; i < sizeof v; ++i) dst[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  }
  return dst + sizeof v;
}

inline char* EncodeU16(char* dst, uint16_t v) { return EncodeLittleEndian(dst, v); }

inline char* EncodeI16(char* dst, int16_t v) { return EncodeU16(dst, static_cast<uint16_t>(v)); }

inline char* EncodeF64(char* dst, double v) { return EncodeLittleEndian(dst, std::bit_cast<uint64_t>(v)); }

// Readers for the same encodings; the caller checks that the bytes are there.
inline uint8_t GetU8(std::string_view in, size_t at) { return static_cast<uint8_t>(in[at]); }

inline uint16_t GetU16(std::string_view in, size_t at) {
  return static_cast<uint16_t>(GetU8(in, at) | (GetU8(in, at + 1) << 8));
}

inline int16_t GetI16(std::string_view in, size_t at) { return static_cast<int16_t>(GetU16(in, at)); }

inline uint32_t GetU32(std::string_view in, size_t at) {
  uint32_t v = 0;
  for (size_t i = 0; i < 4; ++i) v |= static_cast<uint32_t>(GetU8(in, at + i)) << (8 * i);
  return v;
}

inline int32_t GetI32(std::string_view in, size_t at) { return static_cast<int32_t>(GetU32(in, at)); }

inline double GetF64(std::string_view in, size_t at) {
  uint64_t bits = 0;
  for (size_t i = 0; i < 8; ++i) bits |= static_cast<uint64_t>(GetU8(in, at + i)) << (8 * i);
  return std::bit_cast<double>(bits);
}

}  // namespace scenario
