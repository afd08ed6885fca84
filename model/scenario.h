// The one scenario the program carries.
#pragma once

#include <string_view>

namespace scenario {

constexpr std::string_view kNomeLinea = "MilanoPGen-Alessandria";
constexpr std::string_view kNumeroTreno = "2635";

}  // namespace scenario
