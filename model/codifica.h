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

// Readers for the same encodings, mirroring the Put* writers: each takes the
// field at the front of `*in` and moves past it; false, with `*in` as it was,
// when fewer bytes remain than the field holds.
template <typename T>
inline bool GetLittleEndian(std::string_view* in, T* v) {
  static_assert(std::is_unsigned_v<T>);
  if (in->size() < sizeof(T)) return false;
  T valore = 0;
  for (size_t i = 0; i < sizeof(T); ++i) valore |= static_cast<T>(static_cast<T>(static_cast<uint8_t>((*in)[i])) << (8 * i));
  *v = valore;
  in->remove_prefix(sizeof(T));
  return true;
}

inline bool GetU8(std::string_view* in, uint8_t* v) { return GetLittleEndian(in, v); }

inline bool GetU16(std::string_view* in, uint16_t* v) { return GetLittleEndian(in, v); }

inline bool GetI16(std::string_view* in, int16_t* v) {
  uint16_t u = 0;
  if (!GetU16(in, &u)) return false;
  *v = static_cast<int16_t>(u);
  return true;
}

inline bool GetU32(std::string_view* in, uint32_t* v) { return GetLittleEndian(in, v); }

inline bool GetI32(std::string_view* in, int32_t* v) {
  uint32_t u = 0;
  if (!GetU32(in, &u)) return false;
  *v = static_cast<int32_t>(u);
  return true;
}

inline bool GetF64(std::string_view* in, double* v) {
  uint64_t bits = 0;
  if (!GetLittleEndian(in, &bits)) return false;
  *v = std::bit_cast<double>(bits);
  return true;
}

// `n` bytes taken as they stand.
inline bool GetBytes(std::string_view* in, size_t n, std::string* v) {
  if (in->size() < n) return false;
  v->assign(in->substr(0, n));
  in->remove_prefix(n);
  return true;
}

}  // namespace scenario
