#include "verifica/codifica_larga.h"

#include <algorithm>
#include <array>

namespace scenario::tool {
namespace {

// The bytes looked at when a text has no byte-order mark.
constexpr size_t kCampione = 4096;

}  // namespace

std::optional<std::string_view> codifica_larga(std::string_view testo) {
  using namespace std::string_view_literals;
  if (testo.starts_with("\x00\x00\xFE\xFF"sv)) return "UTF-32 big-endian";
  if (testo.starts_with("\xFF\xFE\x00\x00"sv)) return "UTF-32 little-endian";
  if (testo.starts_with("\xFE\xFF"sv)) return "UTF-16 big-endian";
  if (testo.starts_with("\xFF\xFE"sv)) return "UTF-16 little-endian";
  // Without a mark: text that is mostly ASCII leaves its zero bytes in fixed
  // places of each two or four. Counted over whole groups of four bytes.
  const size_t n = std::min(testo.size(), kCampione) / 4 * 4;
  if (n < 4) return std::nullopt;
  std::array<size_t, 4> zeri{};
  for (size_t i = 0; i < n; ++i) zeri[i % 4] += testo[i] == '\0';
  const size_t gruppi = n / 4;
  const auto quasi_tutti = [&](size_t z) { return z * 10 >= gruppi * 9; };
  const auto pochi = [&](size_t z) { return z * 2 < gruppi; };
  if (pochi(zeri[0]) && quasi_tutti(zeri[1]) && quasi_tutti(zeri[2]) && quasi_tutti(zeri[3])) return "UTF-32 little-endian";
  if (quasi_tutti(zeri[0]) && quasi_tutti(zeri[1]) && quasi_tutti(zeri[2]) && pochi(zeri[3])) return "UTF-32 big-endian";
  if (pochi(zeri[0]) && pochi(zeri[2]) && quasi_tutti(zeri[1]) && quasi_tutti(zeri[3])) return "UTF-16 little-endian";
  if (quasi_tutti(zeri[0]) && quasi_tutti(zeri[2]) && pochi(zeri[1]) && pochi(zeri[3])) return "UTF-16 big-endian";
  return std::nullopt;
}

}  // namespace scenario::tool
