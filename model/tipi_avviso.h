// The kinds of the warnings the readers record. A kind names every warning of
// one sort, whatever its values: a report counts and bounds them by it.
#pragma once

#include <string_view>

namespace scenario {

inline constexpr std::string_view kAvvisoChiaveIgnota = "unknown-key";    // a field where a key belongs, matching none
// An unknown key that no key lies near: only counted, past the first of its
// file (Compilatore::avverti); the recorded ones stay kAvvisoChiaveIgnota.
inline constexpr std::string_view kAvvisoSenzaChiave = "no-key";
inline constexpr std::string_view kAvvisoFuoriOrdine = "out-of-order";    // an entry before one it follows
inline constexpr std::string_view kAvvisoSenzaEffetto = "without-effect"; // a curve already drawn over
inline constexpr std::string_view kAvvisoSostituito = "replaced";         // a mark or a signpost a later entry replaces
inline constexpr std::string_view kAvvisoProgressive = "km-post-tie";     // the three systems cleared by a tie

}  // namespace scenario
